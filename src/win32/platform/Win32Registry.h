// The Registry port over the Win32 registry API (ANSI).
#pragma once

#include "platform/Registry.h"

namespace lumbrel::win32 {

class Win32Registry : public Registry {
public:
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
};

}  // namespace lumbrel::win32
