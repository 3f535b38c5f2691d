// The Windows implementations of every port, owned together for the life of the process.
#pragma once

#include "app/Platform.h"
#include "win32/filter/Win32NamespaceSession.h"
#include "win32/platform/ThreadTasks.h"
#include "win32/platform/Win32Clock.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32Environment.h"
#include "win32/platform/Win32EventLoop.h"
#include "win32/platform/Win32FileSystem.h"
#include "win32/platform/Win32InternetProxy.h"
#include "win32/platform/Win32Network.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32Shell.h"
#include "win32/platform/Win32Ui.h"

namespace lumbrel::win32 {

struct ProgramPorts {
    explicit ProgramPorts(const char* appName) : ui(appName) {}

    Win32FileSystem fs;
    Win32Registry registry;
    Win32Clock clock;
    Win32CodePage codePage;
    Win32Environment environment;
    Win32EventLoop loop;
    Win32Ui ui;
    Win32Shell shell;
    ThreadTasks tasks;
    Win32Network network;
    Win32NamespaceSession filterSession;
    Win32InternetProxy internet;

    Platform Ports() {
        return Platform{fs, registry, clock, codePage, environment,   loop,
                        ui, shell,    tasks, network,  filterSession, internet};
    }
};

}  // namespace lumbrel::win32
