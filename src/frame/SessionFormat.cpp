#include "frame/SessionFormat.h"

namespace lumbrel {
namespace {

void AppendLine(std::string& text, const char* key, size_t n, std::string_view value) {
    text += key;
    text += std::to_string(n);
    text += '=';
    text += IniSafeValue(value);
    text += "\r\n";
}

std::string SectionLine(const char* section) {
    return std::string("[") + section + "]\r\n";
}

}  // namespace

std::string IniSafeValue(std::string_view text) {
    std::string safe(text);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    return safe;
}

std::string RenderSession(const std::vector<SessionEntry>& entries) {
    std::string text = SectionLine(kSessionSection);
    for (size_t n = 0; n < entries.size(); ++n) {
        AppendLine(text, "state", n, std::to_string(entries[n].state));
        AppendLine(text, "name", n, entries[n].name);
        AppendLine(text, "url", n, entries[n].url);
    }
    return text;
}

std::string RenderClosedList(const std::vector<ClosedPage>& pages) {
    std::string text = SectionLine(kClosedSection);
    for (size_t n = 0; n < pages.size(); ++n) {
        AppendLine(text, "name", n, pages[n].title);
        AppendLine(text, "url", n, pages[n].url);
    }
    return text;
}

}  // namespace lumbrel
