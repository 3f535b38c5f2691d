#include "proxy/ProxyDialogModel.h"

#include "base/DbcsText.h"
#include "language/StringIds.h"

namespace lumbrel {

ProxyDialogModel::ProxyDialogModel(const CodePage& cp, const ProxyList& list,
                                   const Preferences& prefs, const WebProxy& window)
    : categories(list.Categories()),
      enableProxy(prefs.enableProxy != 0),
      enableWebProxy(window.webProxyOn),
      webProxyTemplate(window.webProxyTemplate),
      currentProxy(prefs.currentProxy),
      currentProxyName(prefs.currentProxyName),
      cp_(cp),
      systemProxyInUse_(prefs.useSystemProxy == 1),
      enabledAtStart_(prefs.enableProxy != 0) {}

size_t ProxyDialogModel::AddCategory(std::string name) {
    categories.push_back({.bypass = "<local>", .name = std::move(name)});
    return categories.size() - 1;
}

void ProxyDialogModel::DeleteCategory(size_t index) {
    if (Valid(index))
        categories.erase(categories.begin() + static_cast<std::ptrdiff_t>(index));
}

bool ProxyDialogModel::MoveCategory(size_t index, int delta) {
    const long long to = static_cast<long long>(index) + delta;
    if (!Valid(index) || to < 0 || to >= static_cast<long long>(categories.size()))
        return false;
    std::swap(categories[index], categories[static_cast<size_t>(to)]);
    return true;
}

void ProxyDialogModel::InsertEntry(size_t c, std::optional<size_t> after, ProxyEntry entry) {
    if (!Valid(c))
        return;
    auto& entries = categories[c].entries;
    const size_t at = after && *after < entries.size() ? *after + 1 : entries.size();
    entry.menuIndex = -1;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

void ProxyDialogModel::DeleteEntry(size_t c, size_t index) {
    if (Valid(c) && index < categories[c].entries.size())
        categories[c].entries.erase(categories[c].entries.begin() +
                                    static_cast<std::ptrdiff_t>(index));
}

bool ProxyDialogModel::MoveEntry(size_t c, size_t index, int delta) {
    if (!Valid(c))
        return false;
    auto& entries = categories[c].entries;
    const long long to = static_cast<long long>(index) + delta;
    if (index >= entries.size() || to < 0 || to >= static_cast<long long>(entries.size()))
        return false;
    std::swap(entries[index], entries[static_cast<size_t>(to)]);
    return true;
}

void ProxyDialogModel::SelectEntry(size_t c, size_t index) {
    if (!Valid(c) || index >= categories[c].entries.size())
        return;
    const ProxyEntry& entry = categories[c].entries[index];
    if (entry.IsSeparator())
        return;
    if (categories[c].Kind() == ProxyKind::Server) {
        currentProxy = entry.address;
        currentProxyName = entry.alias;
    } else {
        webProxyTemplate = entry.address;
    }
}

int ProxyDialogModel::DragEntry(size_t from, size_t index, size_t to, bool copy) {
    if (!Valid(from) || !Valid(to) || index >= categories[from].entries.size() || from == to)
        return 0;
    if (categories[from].type != categories[to].type)
        return IDS_CANNOT_MOVE_PROXY;
    ProxyEntry entry = categories[from].entries[index];
    entry.menuIndex = -1;
    categories[to].entries.push_back(std::move(entry));
    if (!copy)
        DeleteEntry(from, index);
    return 0;
}

void ProxyDialogModel::Apply(ProxyList& list, Preferences& prefs, WebProxy& window,
                             ProxyServer& server) const {
    list.Assign(categories);
    list.changed = true;

    window.webProxyTemplate = webProxyTemplate;
    window.webProxyOn = enableWebProxy && !webProxyTemplate.empty();
    if (!webProxyTemplate.empty())
        prefs.defaultWebProxy = webProxyTemplate;

    if (systemProxyInUse_) {
        if (enableProxy != enabledAtStart_) {
            prefs.enableProxy = enableProxy ? 1 : 0;
            server.ApplyProxy();
        }
        return;
    }
    prefs.enableProxy = enableProxy ? 1 : 0;
    prefs.currentProxy = ToLowerAscii(cp_, TrimBlanks(cp_, currentProxy));
    prefs.currentProxyName = currentProxyName;
    if (const ProxyCategory* holder = list.CategoryHolding(prefs.currentProxy, currentProxyName)) {
        std::string bypass = holder->bypass;
        if (bypass.find("<local>") == std::string::npos)
            bypass += bypass.empty() ? "<local>" : " <local>";
        prefs.proxyByPass = std::move(bypass);
    }
    server.ApplyProxy();
}

}  // namespace lumbrel
