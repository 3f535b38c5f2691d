// The proxy server of the whole process: the "EnableProxy" switch, the proxy in use, the
// system's proxy ("IE Proxy Server") and the choice of a listed proxy. Every change ends in
// ApplyProxy, which sets the process's proxy through the InternetProxy port.
//
// Whether the system's proxy is in use is kept in its own setting ("UseSystemProxy"), not
// recognised by the translated name of the system's proxy: that name changes with the
// language, and a user's own proxy may carry the same alias. Older settings, without the
// marker, are still recognised by the stored name.
#pragma once

#include <string>

#include "language/Language.h"
#include "platform/InternetProxy.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "proxy/ProxyList.h"
#include "settings/Preferences.h"

namespace lumbrel {

struct SystemProxy {
    std::string proxy{};
    std::string bypass{};
};

class ProxyServer {
public:
    ProxyServer(Preferences& prefs, Registry& registry, InternetProxy& internet, Ui& ui,
                const Language& language);

    // The system's proxy: "ProxyServer"/"ProxyOverride" of the Internet settings, else the
    // process's named proxy. Remembered for the menus.
    const SystemProxy& ReadSystemProxy();
    const SystemProxy& LastSystemProxy() const { return system_; }

    // Start-up: settles the marker of older settings and, while the system's proxy is in
    // use, takes its current address and bypass list; then applies.
    void Start();
    // Sets the process's proxy from the settings; false (after the message) when it fails or
    // when the switch had to go off for want of a proxy.
    bool ApplyProxy();

    // Commands
    void ToggleEnable();  // "Enable Proxy Server"
    void UseIeProxy();    // "Use IE Proxy"
    // A proxy-server item, with the bypass list of its category: the one in use switches the
    // proxy off; any other becomes the proxy in use.
    void Choose(const ProxyEntry& entry, const std::string& bypass);

    // View
    bool UsingSystemProxy() const { return prefs_.useSystemProxy == 1; }
    bool Enabled() const { return prefs_.enableProxy != 0; }
    // "Use IE Proxy" is checked while on with the system's proxy.
    bool UseIeProxyChecked() const { return Enabled() && UsingSystemProxy(); }
    // The entry is the proxy in use (address and alias, without regard to case).
    bool IsCurrent(const ProxyEntry& entry) const;

private:
    void TakeSystemProxy();
    void Tell(int stringId);

    Preferences& prefs_;
    Registry& registry_;
    InternetProxy& internet_;
    Ui& ui_;
    const Language& language_;
    SystemProxy system_;
};

}  // namespace lumbrel
