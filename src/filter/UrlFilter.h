// The filter lists of the session and what enforces them on the engine's requests: the lists
// loaded from "Filter.ini", its one writer, the request decision the namespace handler asks,
// and the handler's registration with the engine's session. The main frame owns one; the
// list pages and the add commands change the lists through it, and every change that should
// last reaches the file through SaveFilterLists.
#pragma once

#include <string>

#include "base/PrivateProfile.h"
#include "filter/FilterFileWriter.h"
#include "filter/FilterLists.h"
#include "filter/UrlRequestFilter.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/NamespaceHandlerSession.h"
#include "platform/Tasks.h"

namespace lumbrel {

// All of them outlive the filter; `fs` is also used from the writer's worker thread.
struct UrlFilterPorts {
    FileSystem& fs;
    Tasks& tasks;
    const CodePage& cp;
    NamespaceHandlerSession& session;
    RequestFilterHost& host;
};

class UrlFilter {
public:
    // `path` is the user's "Filter.ini".
    UrlFilter(const UrlFilterPorts& ports, std::string path);
    ~UrlFilter();
    UrlFilter(const UrlFilter&) = delete;
    UrlFilter& operator=(const UrlFilter&) = delete;

    // --- Basic ---
    FilterLists& Lists() { return lists_; }
    // What the namespace handler asks on each request.
    UrlRequestFilter& Requests() { return requests_; }

    // The deferred start: reads the four lists, compiles them, registers the handler.
    void LoadFilterLists(PrivateProfile& store);
    // Hands a copy of the four lists to the file's writer; returns at once.
    void SaveFilterLists();
    // The exit: waits for the writer, then unregisters the handler.
    void Exit();

    // --- Switches ---
    // Takes the switches and registers the handler while either filter is on, unregisters it
    // when both are off.
    void ApplySettings(const RequestFilterSettings& settings);
    void RegisterFilterHandler();
    void UnregisterFilterHandler();

    // --- Commands ---
    // "Add to Filter" of the popup and content lists: appends `entry` unless it is there or
    // blank, and saves the lists so that it outlives the session. True when appended.
    bool AddToPopFilter(const std::string& entry);
    bool AddToUrlFilter(const std::string& entry);

private:
    const CodePage& cp_;
    NamespaceHandlerSession& session_;
    const std::string path_;
    FilterLists lists_;
    UrlRequestFilter requests_;
    FilterFileWriter writer_;
};

}  // namespace lumbrel
