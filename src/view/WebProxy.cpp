#include "view/WebProxy.h"

namespace lumbrel {
namespace {

// Where the template takes the address: "%s" or "%S" after its first character.
size_t Placeholder(std::string_view proxyTemplate, std::string_view placeholder) {
    const size_t at = proxyTemplate.find(placeholder, 1);
    return at == std::string_view::npos ? std::string_view::npos : at;
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

}  // namespace

std::string PercentEncodeForQuery(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

bool IsProxiedBy(std::string_view url, std::string_view proxyTemplate) {
    size_t end = Placeholder(proxyTemplate, "%s");
    if (end == std::string_view::npos)
        end = Placeholder(proxyTemplate, "%S");
    const std::string_view fixedPart = proxyTemplate.substr(0, end);
    return !fixedPart.empty() && url.starts_with(fixedPart);
}

std::optional<std::string> WebProxy::Rewrite(const std::string& url, bool onlyIfProxied,
                                             const std::string& defaultTemplate) const {
    const std::string& proxyTemplate =
        webProxyTemplate.empty() ? defaultTemplate : webProxyTemplate;
    const bool proxied = webProxyOn && !proxyTemplate.empty() &&
                         (url.starts_with("http") || url.starts_with("www.")) &&
                         !IsProxiedBy(url, proxyTemplate);
    if (!proxied) {
        if (onlyIfProxied)
            return std::nullopt;
        return url;
    }
    const std::string page = url.starts_with("www.") ? "http://" + url : url;
    std::string rewritten = proxyTemplate;
    if (const size_t at = Placeholder(proxyTemplate, "%s"); at != std::string_view::npos)
        return rewritten.replace(at, 2, PercentEncodeForQuery(page));
    if (const size_t at = Placeholder(proxyTemplate, "%S"); at != std::string_view::npos)
        return rewritten.replace(at, 2, page);
    return rewritten + page;
}

}  // namespace lumbrel
