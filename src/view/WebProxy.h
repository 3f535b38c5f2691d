// A window's web proxy: page addresses rewritten into the address of a proxy page built from a
// template. "%s" in the template takes the page address percent-encoded, "%S" takes it as it
// is; a template without either has the address appended.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrel {

class WebProxy {
public:
    // What to navigate for `url`: the proxied address, `url` itself, or nothing when the
    // caller asked only for a proxied navigation (`onlyIfProxied`) and none applies. An empty
    // template takes `defaultTemplate`.
    std::optional<std::string> Rewrite(const std::string& url, bool onlyIfProxied,
                                       const std::string& defaultTemplate) const;

    bool webProxyOn = false;
    std::string webProxyTemplate;
};

// Every byte that is not an unreserved URL character (letters, digits, "-", "_", ".", "~")
// as "%" and two upper-case hexadecimal digits.
std::string PercentEncodeForQuery(std::string_view text);

// Whether `url` already goes through the proxy of `proxyTemplate`: it begins with the
// template's text before "%s" or "%S" (the whole template when it has neither).
bool IsProxiedBy(std::string_view url, std::string_view proxyTemplate);

}  // namespace lumbrel
