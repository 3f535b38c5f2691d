#include "view/DownloadFlags.h"

namespace lumbrel {

const DownloadFlagCommand* FindDownloadFlagCommand(int commandId) {
    for (const DownloadFlagCommand& command : kDownloadFlagCommands)
        if (command.commandId == commandId)
            return &command;
    return nullptr;
}

void DownloadFlags::Toggle(const DownloadFlagCommand& command) {
    dlFlags ^= command.bit;
    userDlFlags = (userDlFlags & ~command.bit) | (dlFlags & command.bit);
}

bool DownloadFlags::Checked(const DownloadFlagCommand& command) const {
    return ((dlFlags & command.bit) != 0) == command.checkedWhenSet;
}

void DownloadFlags::Apply(ZoneAction action) {
    switch (action) {
        case ZoneAction::All:
            dlFlags = kDlEverything;
            break;
        case ZoneAction::User:
            dlFlags = userDlFlags;
            break;
        case ZoneAction::Keep:
            break;
    }
}

void DownloadFlags::SetFixed(int flags) {
    dlFlags = userDlFlags = flags;
    dlFlagsFixed = true;
}

int32_t DownloadFlags::EngineFlags(bool disDownActivex) const {
    return dlFlags | (disDownActivex ? kDlNoActiveXDownload : 0);
}

}  // namespace lumbrel
