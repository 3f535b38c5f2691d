#include "support/FakeRegistry.h"

namespace lumbrel::test {
namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

std::string FakeRegistry::Path(RegRoot root, const std::string& key) {
    std::string path = std::to_string(static_cast<int>(root)) + "\\" + Lower(key);
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

FakeRegistry::Key& FakeRegistry::Create(RegRoot root, const std::string& key) {
    std::string path = Path(root, key);
    // Parents exist whenever a child does, as in the real registry.
    for (size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1))
        keys_.try_emplace(path.substr(0, pos));
    Key& k = keys_[path];
    k.displayPath = key;
    return k;
}

bool FakeRegistry::HasValue(RegRoot root, const std::string& key, const std::string& name) const {
    auto it = keys_.find(Path(root, key));
    return it != keys_.end() && it->second.values.count(Lower(name));
}

bool FakeRegistry::KeyExists(RegRoot root, const std::string& key) {
    return keys_.count(Path(root, key)) != 0;
}

std::optional<std::string> FakeRegistry::ReadString(RegRoot root, const std::string& key,
                                                    const std::string& name) {
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end())
        return std::nullopt;
    auto v = it->second.values.find(Lower(name));
    if (v == it->second.values.end() || !std::holds_alternative<std::string>(v->second))
        return std::nullopt;
    return std::get<std::string>(v->second);
}

std::optional<uint32_t> FakeRegistry::ReadDword(RegRoot root, const std::string& key,
                                                const std::string& name) {
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end())
        return std::nullopt;
    auto v = it->second.values.find(Lower(name));
    if (v == it->second.values.end() || !std::holds_alternative<uint32_t>(v->second))
        return std::nullopt;
    return std::get<uint32_t>(v->second);
}

bool FakeRegistry::WriteString(RegRoot root, const std::string& key, const std::string& name,
                               const std::string& value) {
    if (failWrites_)
        return false;
    Create(root, key).values[Lower(name)] = value;
    return true;
}

bool FakeRegistry::WriteDword(RegRoot root, const std::string& key, const std::string& name,
                              uint32_t value) {
    if (failWrites_)
        return false;
    Create(root, key).values[Lower(name)] = value;
    return true;
}

std::optional<std::string> FakeRegistry::ReadBinary(RegRoot root, const std::string& key,
                                                    const std::string& name) {
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end())
        return std::nullopt;
    auto v = it->second.values.find(Lower(name));
    if (v == it->second.values.end() || !std::holds_alternative<Binary>(v->second))
        return std::nullopt;
    return std::get<Binary>(v->second).bytes;
}

bool FakeRegistry::WriteBinary(RegRoot root, const std::string& key, const std::string& name,
                               const std::string& bytes) {
    if (failWrites_)
        return false;
    Create(root, key).values[Lower(name)] = Binary{bytes};
    return true;
}

bool FakeRegistry::DeleteValue(RegRoot root, const std::string& key, const std::string& name) {
    auto it = keys_.find(Path(root, key));
    return it != keys_.end() && it->second.values.erase(Lower(name)) != 0;
}

bool FakeRegistry::DeleteKey(RegRoot root, const std::string& key) {
    std::string path = Path(root, key);
    if (!keys_.count(path))
        return false;
    std::string prefix = path + "\\";
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == path || it->first.compare(0, prefix.size(), prefix) == 0)
            it = keys_.erase(it);
        else
            ++it;
    }
    return true;
}

std::vector<std::string> FakeRegistry::SubKeys(RegRoot root, const std::string& key) {
    std::vector<std::string> names;
    std::string prefix = Path(root, key) + "\\";
    for (const auto& [path, k] : keys_) {
        if (path.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string rest = path.substr(prefix.size());
        if (rest.find('\\') != std::string::npos)
            continue;
        std::string display = k.displayPath;
        size_t slash = display.find_last_of('\\');
        names.push_back(display.empty() ? rest : display.substr(slash + 1));
    }
    return names;
}

}  // namespace lumbrel::test
