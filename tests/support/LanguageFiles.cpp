#include "support/LanguageFiles.h"

namespace lumbrel::test {

std::string Crlf(std::string_view lines) {
    std::string out;
    out.reserve(lines.size() + lines.size() / 8);
    for (char c : lines) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

void UseLanguageFile(Language& language, FakeFileSystem& fs, const std::string& content) {
    const std::string path = "C:\\Lumbrel\\Language\\Test.ini";
    fs.AddFile(path, content);
    language.SetMode(Language::kFile);
    language.LngLoad(fs, path);
}

}  // namespace lumbrel::test
