#include "proxy/ProxyMenus.h"

#include "commands/CommandIds.h"
#include "language/StringIds.h"

namespace lumbrel {

ProxyMenus::ProxyMenus(ProxyList& list, ProxyServer& server, const Language& language)
    : list_(list), server_(server), language_(language) {}

std::string ProxyMenus::ItemText(const ProxyEntry& entry) const {
    return entry.alias + "(" +
           language_.LngLoadString(IDS_SPEED_INVALID + ProxySpeed(entry.speed)) + ")";
}

MenuItems ProxyMenus::BuildServerMenu() {
    const SystemProxy& system = server_.ReadSystemProxy();
    MenuItems menu{
        MenuItem::Command(IDM_SET_PROXY, "Set Proxy..."), MenuItem::Separator(),
        MenuItem::Command(IDM_USE_IE_PROXY,
                          language_.LngLoadString(IDS_IE_PROXY_SERVER) + "(" + system.proxy + ")"),
        MenuItem::Separator()};
    list_.ResetMenuIndexes();
    int servers = 0;
    for (const ProxyCategory& category : list_.Categories())
        servers += category.Kind() == ProxyKind::Server ? 1 : 0;
    int next = 0;
    for (ProxyCategory& category : list_.Categories()) {
        if (category.Kind() != ProxyKind::Server)
            continue;
        MenuItems items;
        for (ProxyEntry& entry : category.entries) {
            if (entry.IsSeparator()) {
                items.push_back(MenuItem::Separator());
                continue;
            }
            if (next >= kServerItems)
                break;
            entry.menuIndex = next++;
            items.push_back(
                MenuItem::Command(IDM_PROXY_SERVER_FIRST + entry.menuIndex, ItemText(entry)));
        }
        if (servers > 1) {
            menu.push_back(MenuItem::Popup(category.name, std::move(items)));
        } else {
            std::move(items.begin(), items.end(), std::back_inserter(menu));
        }
    }
    return menu;
}

MenuItems ProxyMenus::BuildWebMenu() const {
    MenuItems menu{MenuItem::Command(IDM_SET_PROXY, "Set Proxy..."), MenuItem::Separator()};
    auto add = [this, &menu](const ProxyCategory* category, int firstId) {
        if (!category)
            return;
        for (size_t i = 0; i < category->entries.size() && i < static_cast<size_t>(kWebItems);
             ++i) {
            const ProxyEntry& entry = category->entries[i];
            menu.push_back(entry.IsSeparator()
                               ? MenuItem::Separator()
                               : MenuItem::Command(firstId + static_cast<int>(i), ItemText(entry)));
        }
    };
    add(list_.FirstOfKind(ProxyKind::Web), IDM_WEB_PROXY_FIRST);
    menu.push_back(MenuItem::Separator());
    add(list_.FirstOfKind(ProxyKind::Translation), IDM_TRANSLATION_PROXY_FIRST);
    return menu;
}

const ProxyEntry* ProxyMenus::ServerEntry(int id, const ProxyCategory** category) const {
    if (id < IDM_PROXY_SERVER_FIRST || id > IDM_PROXY_SERVER_LAST)
        return nullptr;
    const int index = id - IDM_PROXY_SERVER_FIRST;
    for (const ProxyCategory& c : list_.Categories())
        for (const ProxyEntry& entry : c.entries)
            if (entry.menuIndex == index) {
                if (category)
                    *category = &c;
                return &entry;
            }
    return nullptr;
}

const ProxyEntry* ProxyMenus::WebEntry(int id) const {
    const ProxyCategory* category = nullptr;
    int index = 0;
    if (id >= IDM_WEB_PROXY_FIRST && id <= IDM_WEB_PROXY_LAST) {
        category = list_.FirstOfKind(ProxyKind::Web);
        index = id - IDM_WEB_PROXY_FIRST;
    } else if (id >= IDM_TRANSLATION_PROXY_FIRST && id <= IDM_TRANSLATION_PROXY_LAST) {
        category = list_.FirstOfKind(ProxyKind::Translation);
        index = id - IDM_TRANSLATION_PROXY_FIRST;
    }
    if (!category || static_cast<size_t>(index) >= category->entries.size() ||
        category->entries[static_cast<size_t>(index)].IsSeparator())
        return nullptr;
    return &category->entries[static_cast<size_t>(index)];
}

bool ProxyMenus::OnCommand(int id) {
    if (id == IDM_ENABLE_PROXY) {
        server_.ToggleEnable();
        return true;
    }
    if (id == IDM_USE_IE_PROXY) {
        server_.UseIeProxy();
        return true;
    }
    if (id < IDM_PROXY_SERVER_FIRST || id > IDM_PROXY_SERVER_LAST)
        return false;
    const ProxyCategory* category = nullptr;
    if (const ProxyEntry* entry = ServerEntry(id, &category)) {
        // Copies: a message box while applying runs the message loop, and the list may be
        // replaced meanwhile.
        const ProxyEntry chosen = *entry;
        const std::string bypass = category->bypass;
        server_.Choose(chosen, bypass);
    }
    return true;
}

std::optional<bool> ProxyMenus::IsChecked(int id, const WebProxy* active) const {
    if (id == IDM_ENABLE_PROXY)
        return server_.Enabled();
    if (id == IDM_USE_IE_PROXY)
        return server_.UseIeProxyChecked();
    if (const ProxyEntry* entry = ServerEntry(id))
        return server_.IsCurrent(*entry);
    if (const ProxyEntry* entry = WebEntry(id))
        return active && active->webProxyOn && active->webProxyTemplate == entry->address;
    return std::nullopt;
}

bool ChooseWebProxy(WebProxy& window, const std::string& proxyTemplate,
                    std::string& defaultWebProxy) {
    if (window.webProxyOn && window.webProxyTemplate == proxyTemplate) {
        window.webProxyOn = false;
        return false;
    }
    window.webProxyOn = true;
    window.webProxyTemplate = proxyTemplate;
    defaultWebProxy = proxyTemplate;
    return true;
}

std::string GoThroughWebProxy(const std::string& url, const std::string& proxyTemplate) {
    WebProxy once;
    once.webProxyOn = true;
    once.webProxyTemplate = proxyTemplate;
    return once.Rewrite(url, false, "").value_or(url);
}

}  // namespace lumbrel
