// The proxy menus as data and the commands of their items: the proxy-server menu (the "&Proxy"
// menu and the proxy-server button's drop-down) and the web-proxy menu (the "Enable Web Proxy"
// button's drop-down, and the go button's when "GoProxyMenu" is 1).
//
// Proxy-server items are numbered across all categories as the menu is built (25600 + n);
// web items are 4608 + i of the web-proxy category, translation items 4352 + i of the
// translation category. No item is built past the end of its range: a further id would
// belong to another command.
#pragma once

#include <optional>
#include <string>

#include "commands/MenuModel.h"
#include "language/Language.h"
#include "proxy/ProxyList.h"
#include "proxy/ProxyServer.h"
#include "view/WebProxy.h"

namespace lumbrel {

class ProxyMenus {
public:
    static constexpr int kServerItems = 512;
    static constexpr int kWebItems = 256;

    ProxyMenus(ProxyList& list, ProxyServer& server, const Language& language);

    // The whole proxy-server menu; numbers the entries. Reads the system's proxy for the
    // "IE Proxy Server(...)" item.
    MenuItems BuildServerMenu();
    // The whole web-proxy menu.
    MenuItems BuildWebMenu() const;

    // Runs a proxy-server item, "Enable Proxy Server" or "Use IE Proxy"; false for other ids.
    bool OnCommand(int id);
    // Check marks of the proxy-server items, 32828 and 33059, and of the web items against
    // the active window's proxy (null: none); nothing for other ids.
    std::optional<bool> IsChecked(int id, const WebProxy* active) const;

    // The entry of a proxy-server item as last numbered, or of a web or translation item.
    const ProxyEntry* ServerEntry(int id, const ProxyCategory** category = nullptr) const;
    const ProxyEntry* WebEntry(int id) const;

    // "alias(Speed)".
    std::string ItemText(const ProxyEntry& entry) const;

private:
    ProxyList& list_;
    ProxyServer& server_;
    const Language& language_;
};

// Choosing a web or translation item for a window: the same template while on switches the
// window's web proxy off, any other switches it on with the template, which also becomes
// "DefaultWebProxy". True when the window's proxy is on afterwards.
bool ChooseWebProxy(WebProxy& window, const std::string& proxyTemplate,
                    std::string& defaultWebProxy);

// The go button's menu: `url` once through `proxyTemplate`, the window's proxy untouched.
std::string GoThroughWebProxy(const std::string& url, const std::string& proxyTemplate);

}  // namespace lumbrel
