// A set of commands the frame runs by id: the frame's own, its windows', its favorites'... and
// whatever a later part brings. Most sets are tables (`CommandTable`): id or id range → handler →
// update state; the menus and bars ask for the state, the binding runs a command by id.
#pragma once

#include <span>

#include "platform/FrameWindow.h"

namespace lumbrel {

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// A command acts on its subject: the window of the tab a tab menu was opened on, or else the
// active window (kNoChild when there is none).
struct CommandCall {
    int id = 0;
    ChildId subject = kNoChild;
};

class CommandSet {
public:
    virtual ~CommandSet() = default;
    virtual bool Knows(int id) const = 0;
    // Called only for a command the set knows and reports enabled.
    virtual void Run(const CommandCall& call) = 0;
    virtual CommandState State(int id) const = 0;
};

template <class Self>
class CommandTable : public CommandSet {
public:
    struct Row {
        int first;
        int last;
        void (Self::*run)(const CommandCall&);
        CommandState (Self::*state)(int) const;  // null: always enabled, never checked
    };

    bool Knows(int id) const override { return Find(id) != nullptr; }
    void Run(const CommandCall& call) override {
        if (const Row* row = Find(call.id))
            (static_cast<Self&>(*this).*row->run)(call);
    }
    CommandState State(int id) const override {
        const Row* row = Find(id);
        if (!row)
            return CommandState{false, false};
        return row->state ? (static_cast<const Self&>(*this).*row->state)(id) : CommandState{};
    }

protected:
    explicit CommandTable(std::span<const Row> rows) : rows_(rows) {}

private:
    const Row* Find(int id) const {
        for (const Row& row : rows_)
            if (id >= row.first && id <= row.last)
                return &row;
        return nullptr;
    }

    std::span<const Row> rows_;
};

}  // namespace lumbrel
