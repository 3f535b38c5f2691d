#include "frame/FrameCommands.h"

#include <algorithm>

#include "frame/CMainFrame.h"

namespace lumbrel {

FrameCommands::FrameCommands(CMainFrame& frame)
    : frame_(frame),
      general_(frame),
      windows_(frame),
      favorites_(frame),
      sets_{&general_, &windows_, &favorites_} {}

void FrameCommands::Add(CommandSet& set) {
    if (std::find(sets_.begin(), sets_.end(), &set) == sets_.end())
        sets_.push_back(&set);
}

void FrameCommands::Remove(const CommandSet& set) {
    std::erase(sets_, &set);
}

CommandSet* FrameCommands::Owner(int id) const {
    for (CommandSet* set : sets_)
        if (set->Knows(id))
            return set;
    return nullptr;
}

bool FrameCommands::Knows(int id) const {
    return Owner(id) != nullptr;
}

bool FrameCommands::Run(const CommandCall& call) {
    CommandSet* set = Owner(call.id);
    if (!set || !set->State(call.id).enabled)
        return false;
    set->Run(call);
    return true;
}

CommandState FrameCommands::State(int id) const {
    const CommandSet* set = Owner(id);
    return set ? set->State(id) : CommandState{false, false};
}

void FrameCommands::OnCommand(int id) {
    CChildFrame* active = frame_.ActiveChild();
    if (!Knows(id) && active && CQuorralView::HandlesCommand(id)) {
        active->View().OnCommand(id);
        return;
    }
    Run(CommandCall{id, active ? active->Id() : kNoChild});
}

CommandState FrameCommands::Query(int id) {
    if (Knows(id) || !CQuorralView::HandlesCommand(id))
        return State(id);
    CChildFrame* active = frame_.ActiveChild();
    if (!active)
        return CommandState{false, false};
    const CQuorralView::CommandUpdate update = active->View().QueryCommand(id);
    return CommandState{update.enabled, update.checked};
}

bool FrameCommands::Handles(int id) const {
    return Knows(id) || CQuorralView::HandlesCommand(id);
}

}  // namespace lumbrel
