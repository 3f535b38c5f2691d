// Whether this start of the program becomes the running browser or hands its command line to
// a copy that already runs. `CBrowserApp` start-up gathers the facts, asks the running copy
// through the RunningInstance port, and goes on only when the role is Start. The decision is
// kept apart from the acting so every row of it is testable.
#pragma once

#include <string>

#include "instance/CommandLine.h"
#include "language/Language.h"
#include "platform/RunningInstance.h"
#include "platform/Ui.h"

namespace lumbrel {

enum class InstanceRole {
    Start,         // go on starting as a browser
    HandOver,      // hand the URL to the running window, bring it forward, exit
    BringForward,  // only bring the running window forward, exit
    Wake,          // ask the hidden running window to show itself, exit
    ExitSilently,  // a URL with no running window to take it: exit, the URL is dropped
};

struct InstanceFacts {
    bool firstInstance = true;
    // The `ForbidMult` setting: a start without a URL must not open a second browser.
    bool forbidMultiple = false;
    ShellCommand command = ShellCommand::New;
};

// True when the decision depends on a running main window, so it must be looked for.
bool NeedsRunningWindow(const InstanceFacts& facts);

InstanceRole DecideInstanceRole(const InstanceFacts& facts, const RunningWindow& running);

// Decides and acts: looks for the running window when needed, hands `fileName` over, shows
// the sender's failure messages (in the active language) and brings the running window to
// the user. True when this process goes on starting; false when it must end.
bool SettleInstanceRole(const InstanceFacts& facts, const std::string& fileName,
                        RunningInstance& running, Ui& ui, const Language& lang);

}  // namespace lumbrel
