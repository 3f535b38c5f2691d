// Every port faked, bundled as the core expects them, with a manual clock.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "app/Platform.h"
#include "support/FakeCodePage.h"
#include "support/FakeEnvironment.h"
#include "support/FakeEventLoop.h"
#include "support/FakeFileSystem.h"
#include "support/FakeInternetProxy.h"
#include "support/FakeNamespaceSession.h"
#include "support/FakeNetwork.h"
#include "support/FakeRegistry.h"
#include "support/FakeShell.h"
#include "support/ImmediateTasks.h"
#include "support/ManualClock.h"
#include "support/ScriptedUi.h"

namespace lumbrel::test {

struct FakePlatform {
    FakePlatform() { ui.RunLoopInsideBoxes(&loop); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeFileSystem fs;
    FakeRegistry registry;
    ManualClock clock;
    FakeCodePage codePage{1252};
    FakeEnvironment environment;
    FakeEventLoop loop{clock};
    ScriptedUi ui;
    FakeShell shell;
    ImmediateTasks tasks;
    FakeNetwork network;
    FakeNamespaceSession filterSession;
    FakeInternetProxy internet;

    Platform Ports() {
        return Platform{fs, registry, clock, codePage, environment,   loop,
                        ui, shell,    tasks, network,  filterSession, internet};
    }
};

// A file of the source tree (tests run from the repository root).
inline std::string SourceFile(const std::string& relativePath) {
    std::ifstream in(relativePath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace lumbrel::test
