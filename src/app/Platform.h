// The ports the core is driven through, bundled for the objects that need several of them.
// The Windows binding fills it with its implementations, tests with fakes.
#pragma once

#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/EventLoop.h"
#include "platform/FileSystem.h"
#include "platform/InternetProxy.h"
#include "platform/NamespaceHandlerSession.h"
#include "platform/Network.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Tasks.h"
#include "platform/Ui.h"

namespace lumbrel {

struct Platform {
    FileSystem& fs;
    Registry& registry;
    Clock& clock;
    CodePage& codePage;
    Environment& environment;
    EventLoop& loop;
    Ui& ui;
    Shell& shell;
    Tasks& tasks;
    Network& network;
    // Where the URL filter registers its namespace handler.
    NamespaceHandlerSession& filterSession;
    // The process's proxy server.
    InternetProxy& internet;
};

}  // namespace lumbrel
