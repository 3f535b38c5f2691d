// The "Set Proxy" dialog without its window. It edits a copy of the proxy list, with the
// window's web-proxy switch and the proxy-server switch; OK hands everything back at once
// (Apply). The binding forwards the list, button and drag events and shows what the model
// holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "proxy/ProxyList.h"
#include "proxy/ProxyServer.h"
#include "settings/Preferences.h"
#include "view/WebProxy.h"

namespace lumbrel {

class ProxyDialogModel {
public:
    ProxyDialogModel(const CodePage& cp, const ProxyList& list, const Preferences& prefs,
                     const WebProxy& window);

    std::vector<ProxyCategory> categories;  // the copy being edited
    bool enableProxy = false;
    bool enableWebProxy = false;
    std::string webProxyTemplate;  // the window's template, changed by selecting a web entry
    std::string currentProxy, currentProxyName;  // changed by selecting a server entry

    // Categories. A new one is a proxy-server category with bypass "<local>".
    size_t AddCategory(std::string name);
    void DeleteCategory(size_t index);  // the caller asked "Do you really want…" first
    bool MoveCategory(size_t index, int delta);

    // Entries of category `c`.
    void InsertEntry(size_t c, std::optional<size_t> after, ProxyEntry entry);
    void DeleteEntry(size_t c, size_t index);
    bool MoveEntry(size_t c, size_t index, int delta);
    // Selecting an entry makes it the proxy or template in use for OK.
    void SelectEntry(size_t c, size_t index);
    // An entry dragged onto another category: moved (copied with Ctrl) when both categories
    // have the same type; otherwise the string id of "Can't move this proxy.", else 0.
    int DragEntry(size_t from, size_t index, size_t to, bool copy);

    // OK: the copy replaces the list, the window's web proxy and the proxy-server settings
    // are taken over and the proxy applied. The bypass list is the one of the category that
    // holds the chosen proxy ("<local>" added when missing); without one the old one stays.
    void Apply(ProxyList& list, Preferences& prefs, WebProxy& window, ProxyServer& server) const;

private:
    bool Valid(size_t c) const { return c < categories.size(); }
    const CodePage& cp_;
    bool systemProxyInUse_;
    bool enabledAtStart_;
};

// A new entry's URL box starts with this.
inline constexpr const char* kNewProxyUrl = "http://";

}  // namespace lumbrel
