// One path for every command: id → enabled check → handler. Handlers and update answers are
// registered by the owner of the command; the menu and the bars ask for the update state.
#pragma once

#include <functional>
#include <map>

namespace lumbrel {

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CommandDispatcher {
public:
    using Handler = std::function<void(int id)>;
    using Update = std::function<CommandState(int id)>;

    // Registers a handler for one id, or for every id of [first, last].
    void Add(int id, Handler handler, Update update = {});
    void AddRange(int first, int last, Handler handler, Update update = {});

    bool Knows(int id) const;
    // Runs the command when it is known and enabled; returns whether it ran.
    bool Run(int id) const;
    // Unknown commands are reported disabled.
    CommandState State(int id) const;

private:
    struct Entry {
        int last;
        Handler handler;
        Update update;
    };
    const Entry* Find(int id) const;

    std::map<int, Entry> entries_;  // by first id
};

}  // namespace lumbrel
