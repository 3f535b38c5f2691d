// A window's download-control flags: what the engine loads and runs for its pages (images,
// videos, sounds, scripts, Java, ActiveX). The user chooses them per window; the zone rule
// may force "load everything" on local pages without touching the user's choice, and the
// main frame may fix them so that the zone rule leaves them alone.
#pragma once

#include <cstdint>

#include "commands/CommandIds.h"

#include "view/UrlZone.h"

namespace lumbrel {

// The engine's DLCTL_* bits the program uses.
inline constexpr int kDlImages = 0x10;
inline constexpr int kDlVideos = 0x20;
inline constexpr int kDlSounds = 0x40;
inline constexpr int kDlNoScripts = 0x80;
inline constexpr int kDlNoJava = 0x100;
inline constexpr int kDlNoActiveXRun = 0x200;
inline constexpr int kDlNoActiveXDownload = 0x400;
// Images, videos and sounds; scripts, Java and ActiveX allowed.
inline constexpr int kDlEverything = kDlImages | kDlVideos | kDlSounds;

// The menu command of one flag, and when its menu item is checked.
struct DownloadFlagCommand {
    int commandId;
    int bit;
    bool checkedWhenSet;  // else checked when the bit is clear ("no scripts" bits)
};
inline constexpr DownloadFlagCommand kDownloadFlagCommands[] = {
    {IDM_SHOW_IMAGES, kDlImages, true},  {IDM_PLAY_VIDEOS, kDlVideos, true},
    {IDM_PLAY_SOUNDS, kDlSounds, true},  {IDM_ENABLE_SCRIPTS, kDlNoScripts, false},
    {IDM_ENABLE_JAVA, kDlNoJava, false}, {IDM_ENABLE_ACTIVEX, kDlNoActiveXRun, false},
};
// The row of `commandId`; null when it is not a flag command.
const DownloadFlagCommand* FindDownloadFlagCommand(int commandId);

class DownloadFlags {
public:
    explicit DownloadFlags(int initial) : dlFlags(initial), userDlFlags(initial) {}

    // Toggles the command's bit in the flags in force, and makes the user's choice for that
    // bit what the user now sees; the user's other choices stay.
    void Toggle(const DownloadFlagCommand& command);
    bool Checked(const DownloadFlagCommand& command) const;
    // The zone rule's verdict; the user's flags are never changed by it.
    void Apply(ZoneAction action);
    // The main frame sets the flags outright; the zone rule leaves them alone from then on.
    void SetFixed(int flags);
    // A window opened by another takes the opener's flags in force.
    void Inherit(int flags) { dlFlags = userDlFlags = flags; }
    // What the engine is told: the flags in force, "no ActiveX download" added on request.
    int32_t EngineFlags(bool disDownActivex) const;

    int dlFlags;      // in force for the window
    int userDlFlags;  // the user's choice for the window
    bool dlFlagsFixed = false;
};

}  // namespace lumbrel
