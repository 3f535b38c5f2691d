#include "instance/InstanceRole.h"

#include "instance/HandOverRecord.h"

namespace lumbrel {

bool NeedsRunningWindow(const InstanceFacts& facts) {
    if (facts.firstInstance)
        return false;
    return facts.command == ShellCommand::Open || facts.forbidMultiple;
}

InstanceRole DecideInstanceRole(const InstanceFacts& facts, const RunningWindow& running) {
    if (facts.command == ShellCommand::Open) {
        if (facts.firstInstance)
            return InstanceRole::Start;
        if (!running.found)
            return InstanceRole::ExitSilently;
        // A modal dialog of the running copy would be interrupted by a new window.
        return running.hasActivePopup ? InstanceRole::BringForward : InstanceRole::HandOver;
    }
    if (!facts.forbidMultiple || facts.firstInstance || !running.found)
        return InstanceRole::Start;
    return running.visible ? InstanceRole::BringForward : InstanceRole::Wake;
}

bool SettleInstanceRole(const InstanceFacts& facts, const std::string& fileName,
                        RunningInstance& running, Ui& ui, const Language& lang) {
    RunningWindow window;
    if (NeedsRunningWindow(facts)) {
        // A copy that hands a URL over never becomes the browser: let the name go at once.
        if (facts.command == ShellCommand::Open)
            running.ReleaseInstanceSemaphore();
        window = running.Find();
    }
    switch (DecideInstanceRole(facts, window)) {
        case InstanceRole::Start:
            return true;
        case InstanceRole::HandOver:
            if (auto stringId = SenderFailureStringId(running.HandOver(fileName)))
                ui.MessageBox(lang.LngLoadString(*stringId), MsgButtons::Ok, MsgIcon::Warning);
            running.BringForward();
            return false;
        case InstanceRole::BringForward:
            running.BringForward();
            return false;
        case InstanceRole::Wake:
            running.Wake();
            return false;
        case InstanceRole::ExitSilently:
            return false;
    }
    return false;
}

}  // namespace lumbrel
