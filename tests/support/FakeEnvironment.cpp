#include "support/FakeEnvironment.h"

namespace lumbrel::test {
namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

std::optional<std::string> FakeEnvironment::Variable(const std::string& name) {
    auto it = variables.find(Upper(name));
    if (it == variables.end())
        return std::nullopt;
    return it->second;
}

std::string FakeEnvironment::ExpandVariables(const std::string& text, size_t maxLength) {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t open = text.find('%', pos);
        size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        std::string name = text.substr(open + 1, close - open - 1);
        if (auto value = Variable(name)) {
            out += *value;
            pos = close + 1;
        } else {
            out += text.substr(open, close - open);
            pos = close;
        }
    }
    if (out.size() > maxLength)
        out.resize(maxLength);
    return out;
}

}  // namespace lumbrel::test
