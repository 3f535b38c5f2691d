// An in-memory registry: keys compared without regard to case, string and DWORD values.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "platform/Registry.h"

namespace lumbrel::test {

class FakeRegistry : public Registry {
public:
    // Whether the value is a string or a DWORD; nothing when missing.
    bool HasValue(RegRoot root, const std::string& key, const std::string& name) const;
    void FailWrites(bool fail) { failWrites_ = fail; }

    bool KeyExists(RegRoot root, const std::string& key) override;
    std::optional<std::string> ReadString(RegRoot root, const std::string& key,
                                          const std::string& name) override;
    std::optional<uint32_t> ReadDword(RegRoot root, const std::string& key,
                                      const std::string& name) override;
    bool WriteString(RegRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool WriteDword(RegRoot root, const std::string& key, const std::string& name,
                    uint32_t value) override;
    std::optional<std::string> ReadBinary(RegRoot root, const std::string& key,
                                          const std::string& name) override;
    bool WriteBinary(RegRoot root, const std::string& key, const std::string& name,
                     const std::string& bytes) override;
    bool DeleteValue(RegRoot root, const std::string& key, const std::string& name) override;
    bool DeleteKey(RegRoot root, const std::string& key) override;
    std::vector<std::string> SubKeys(RegRoot root, const std::string& key) override;

private:
    struct Binary {
        std::string bytes;
    };
    using Value = std::variant<std::string, uint32_t, Binary>;
    struct Key {
        std::string displayPath;
        std::map<std::string, Value> values;  // by lower-case name
    };
    static std::string Path(RegRoot root, const std::string& key);  // lower-case
    Key& Create(RegRoot root, const std::string& key);

    std::map<std::string, Key> keys_;
    bool failWrites_ = false;
};

}  // namespace lumbrel::test
