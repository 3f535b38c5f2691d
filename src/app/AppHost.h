// What start-up and exit need of the system beyond the common ports: the instance semaphore
// and the running copy, Windows Sockets, COM and the program's COM server, and the main window.
// The Windows binding implements it; start-up tests script it.
#pragma once

#include "instance/CommandLine.h"
#include "platform/RunningInstance.h"

namespace lumbrel {

class CMainFrame;

class AppHost {
public:
    virtual ~AppHost() = default;

    // Creates the instance semaphore; true when this process created it (the first instance).
    virtual bool CreateInstanceSemaphore() = 0;
    virtual RunningInstance& Running() = 0;

    virtual void StartSockets() = 0;
    virtual void StopSockets() = 0;
    virtual void StartCom() = 0;
    virtual void StopCom() = 0;
    // Handles the server switches, or registers the class objects. False when the process
    // must end (a switch was handled, or the registration failed).
    virtual bool StartComModule(const CommandLineInfo& commandLine) = 0;
    virtual void EndComModule() = 0;

    // Creates the main window of `frame` (hidden); false when it cannot be created.
    virtual bool CreateMainWindow(CMainFrame& frame, int trayIconId) = 0;
    // Shows it as the settings say, with the start's show command.
    virtual void ShowMainWindow() = 0;
    // Destroys it (nothing when there is none). The window holds on to its frame to the end:
    // it goes while the frame is still there.
    virtual void DestroyMainWindow() = 0;
};

}  // namespace lumbrel
