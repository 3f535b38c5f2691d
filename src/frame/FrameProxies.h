// The proxies as the main frame runs them. It owns the categories of "Proxy.ini" and their
// writer, the process's proxy server and the proxy menus as data, and runs the proxy commands:
// the proxy-server items, "Enable Proxy Server", "Use IE Proxy", the web and translation items
// for the active window, "Set Proxy...", "Import Proxy..." and "Export Proxy...".
//
// Made with the frame's parts; the deferred initialisation loads the list and applies the
// proxy in use; the exit saves a changed list and waits for the writer.
#pragma once

#include <optional>
#include <string>

#include "base/SerialFileWriter.h"
#include "frame/FrameCommands.h"
#include "platform/SearchProxyDialogs.h"
#include "proxy/ProxyMenus.h"

namespace lumbrel {

class CMainFrame;

class FrameProxies : public CommandTable<FrameProxies> {
public:
    // Adds the proxy commands to `commands`.
    FrameProxies(CMainFrame& frame, FrameCommands& commands);
    ~FrameProxies() override;
    FrameProxies(const FrameProxies&) = delete;
    FrameProxies& operator=(const FrameProxies&) = delete;

    // --- Life cycle ---
    void SetDialogs(SearchProxyDialogs* dialogs) { dialogs_ = dialogs; }
    // Reads "Proxy.ini" (the missing kinds added) and applies the proxy in use.
    void Load();
    // Saves the list when it changed since start and waits for the writer.
    void Exit();

    // --- Commands ---
    // The proxy-server and web-proxy items and the proxy commands (CommandSet).
    // The go button's drop-down chose web or translation item `id`: the address box's
    // address opens once through it in the active window, whose own switch stays as it was.
    void RunGoMenuItem(int id);

    // --- View ---
    ProxyList& List() { return list_; }
    ProxyServer& Server() { return server_; }
    ProxyMenus& Menus() { return menus_; }
    SerialFileWriter& Writer() { return writer_; }

private:
    static const Row kRows[];
    void RunCommand(const CommandCall& call);
    CommandState StateOf(int id) const;
    void ChooseWebItem(int id);
    void EditProxies();
    void Import();
    void Export();
    void Save();

    CMainFrame& frame_;
    FrameCommands& commands_;
    ProxyList list_;
    ProxyServer server_;
    ProxyMenus menus_;
    SerialFileWriter writer_;
    SearchProxyDialogs* dialogs_ = nullptr;
};

}  // namespace lumbrel
