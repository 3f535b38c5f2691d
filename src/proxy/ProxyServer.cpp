#include "proxy/ProxyServer.h"

#include "base/ProfileDocument.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
// The name older settings stored for the system's proxy (string 61317 in English).
constexpr const char* kBuiltinSystemProxyName = "IE Proxy Server";

bool SameNoCase(std::string_view a, std::string_view b) {
    return NoCaseEqual{}(a, b);
}

}  // namespace

ProxyServer::ProxyServer(Preferences& prefs, Registry& registry, InternetProxy& internet, Ui& ui,
                         const Language& language)
    : prefs_(prefs), registry_(registry), internet_(internet), ui_(ui), language_(language) {}

void ProxyServer::Tell(int stringId) {
    ui_.MessageBox(language_.LngLoadString(stringId), MsgButtons::Ok, MsgIcon::Warning);
}

const SystemProxy& ProxyServer::ReadSystemProxy() {
    system_ = {};
    system_.proxy =
        registry_.ReadString(RegRoot::CurrentUser, kInternetSettings, "ProxyServer").value_or("");
    system_.bypass =
        registry_.ReadString(RegRoot::CurrentUser, kInternetSettings, "ProxyOverride").value_or("");
    if (system_.proxy.empty()) {
        const std::optional<ProcessProxy> process = internet_.QueryProcessProxy();
        if (process && process->named) {
            system_.proxy = process->proxy;
            system_.bypass = process->bypass;
        }
    }
    return system_;
}

void ProxyServer::Start() {
    if (prefs_.useSystemProxy == -1) {
        const bool oldMarker =
            !prefs_.currentProxyName.empty() &&
            (prefs_.currentProxyName == kBuiltinSystemProxyName ||
             prefs_.currentProxyName == language_.LngLoadString(IDS_IE_PROXY_SERVER));
        prefs_.useSystemProxy = oldMarker ? 1 : 0;
    }
    ReadSystemProxy();
    if (UsingSystemProxy() && !system_.proxy.empty()) {
        prefs_.currentProxy = system_.proxy;
        prefs_.proxyByPass = system_.bypass;
    }
    if (Enabled())
        ApplyProxy();
}

void ProxyServer::TakeSystemProxy() {
    prefs_.currentProxy = system_.proxy;
    prefs_.currentProxyName = language_.LngLoadString(IDS_IE_PROXY_SERVER);
    prefs_.proxyByPass = system_.bypass;
    prefs_.useSystemProxy = 1;
}

bool ProxyServer::ApplyProxy() {
    if (Enabled() && prefs_.currentProxy.empty()) {
        if (ReadSystemProxy().proxy.empty()) {
            Tell(IDS_SELECT_PROXY_SERVER_FIRST);
            prefs_.enableProxy = 0;
            internet_.SetProcessProxy({});
            return false;
        }
        TakeSystemProxy();
    }
    ProcessProxy proxy;
    if (Enabled())
        proxy = {.named = true, .proxy = prefs_.currentProxy, .bypass = prefs_.proxyByPass};
    if (!internet_.SetProcessProxy(proxy)) {
        Tell(IDS_SET_PROXY_FAILED);
        return false;
    }
    return true;
}

void ProxyServer::ToggleEnable() {
    prefs_.enableProxy = Enabled() ? 0 : 1;
    ApplyProxy();
}

void ProxyServer::UseIeProxy() {
    if (ReadSystemProxy().proxy.empty()) {
        Tell(IDS_IE_PROXY_EMPTY);
        return;
    }
    if (Enabled() && UsingSystemProxy()) {
        prefs_.enableProxy = 0;
    } else {
        prefs_.enableProxy = 1;
        TakeSystemProxy();
    }
    ApplyProxy();
}

bool ProxyServer::IsCurrent(const ProxyEntry& entry) const {
    return !UsingSystemProxy() && SameNoCase(entry.address, prefs_.currentProxy) &&
           SameNoCase(entry.alias, prefs_.currentProxyName);
}

void ProxyServer::Choose(const ProxyEntry& entry, const std::string& bypass) {
    if (Enabled() && IsCurrent(entry)) {
        prefs_.enableProxy = 0;
    } else {
        prefs_.enableProxy = 1;
        prefs_.currentProxy = entry.address;
        prefs_.currentProxyName = entry.alias;
        prefs_.proxyByPass = bypass;
        prefs_.useSystemProxy = 0;
    }
    ApplyProxy();
}

}  // namespace lumbrel
