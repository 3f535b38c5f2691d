// The proxies in their categories, as "Proxy.ini" holds them: proxy servers (host:port or
// type=host:port), web proxies and translation proxies (URL templates). The main frame owns
// one list; the proxy dialog edits a copy and hands it back whole.
//
// Values are read whole however long they are, so a long value is never cut and then written
// back cut. The file is written whole (FileText) by one SerialFileWriter.
#pragma once

#include <string>
#include <vector>

#include "base/PrivateProfile.h"

namespace lumbrel {

inline constexpr int kDefaultProxySpeed = 3;

struct ProxyEntry {
    int menuIndex = -1;   // set when the proxy-server menu is built
    std::string alias{};  // "--" at the start: a separator
    std::string address{};
    int speed = kDefaultProxySpeed;  // 0-5

    bool IsSeparator() const { return alias.starts_with("--"); }
    friend bool operator==(const ProxyEntry&, const ProxyEntry&) = default;
};

enum class ProxyKind { Server, Web, Translation };

struct ProxyCategory {
    std::vector<ProxyEntry> entries{};
    std::string bypass{};
    std::string name{};
    int type = 0;         // 0 proxy servers, otherwise web services
    int translation = 0;  // not 0: translation proxies

    ProxyKind Kind() const {
        if (translation != 0)
            return ProxyKind::Translation;
        return type != 0 ? ProxyKind::Web : ProxyKind::Server;
    }
    friend bool operator==(const ProxyCategory&, const ProxyCategory&) = default;
};

// The names the missing kinds get (strings 61311, 61313, 61312, translated).
struct DefaultCategoryNames {
    std::string server = "Proxy Server";
    std::string web = "Web Proxy";
    std::string translation = "Translation Proxy";
};

class ProxyList {
public:
    std::vector<ProxyCategory>& Categories() { return categories_; }
    const std::vector<ProxyCategory>& Categories() const { return categories_; }
    // Replaces the list (the dialog's OK, an import); every menu index is forgotten until the
    // menu is built again, so no old index can name an entry of the new list.
    void Assign(std::vector<ProxyCategory> categories);

    // The first category of a kind; null when there is none.
    ProxyCategory* FirstOfKind(ProxyKind kind);
    const ProxyCategory* FirstOfKind(ProxyKind kind) const;
    // The category holding the proxy server `address` (same address without regard to case,
    // and same alias); null when none does.
    const ProxyCategory* CategoryHolding(const std::string& address,
                                         const std::string& alias) const;
    void ResetMenuIndexes();

    // Reads sections "Proxy", "Proxy1", … while they have a "CategoryName"; a missing
    // "ProxyByPass" takes `defaultBypass`. The kinds that are missing afterwards are added.
    void Load(PrivateProfile& profile, const std::string& file, const std::string& defaultBypass,
              const DefaultCategoryNames& names);
    // Adds an empty category of each missing kind: web, translation, server.
    void AddMissingKinds(const DefaultCategoryNames& names);
    std::string FileText() const;

    // Changed since start (saved at exit only then).
    bool changed = false;

private:
    std::vector<ProxyCategory> categories_;
};

// The clamped speed: values outside 0-5 read as the default.
int ProxySpeed(int stored);

}  // namespace lumbrel
