// Every command the frame knows, as a list of command sets: its own, its windows', the
// favorites'; a part that arrives later adds its set. The binding runs a command by id and the
// menus and bars ask for its state; ids no set knows go to the active window's view.
#pragma once

#include <vector>

#include "frame/CommandSet.h"
#include "frame/FavoritesCommands.h"
#include "frame/GeneralCommands.h"
#include "frame/WindowCommands.h"

namespace lumbrel {

class FrameCommands {
public:
    explicit FrameCommands(CMainFrame& frame);
    FrameCommands(const FrameCommands&) = delete;
    FrameCommands& operator=(const FrameCommands&) = delete;

    // A part's set, asked after those added before it. The set must outlive the frame's parts
    // or be removed first.
    void Add(CommandSet& set);
    void Remove(const CommandSet& set);

    bool Knows(int id) const;
    // Runs the command when it is known and enabled; returns whether it ran.
    bool Run(const CommandCall& call);
    // Unknown commands are reported disabled.
    CommandState State(int id) const;

    // A command of the menus, bars and keys: the frame's own, or the active window's view's.
    void OnCommand(int id);
    CommandState Query(int id);
    bool Handles(int id) const;

private:
    CommandSet* Owner(int id) const;

    CMainFrame& frame_;
    GeneralCommands general_;
    WindowCommands windows_;
    FavoritesCommands favorites_;
    std::vector<CommandSet*> sets_;
};

}  // namespace lumbrel
