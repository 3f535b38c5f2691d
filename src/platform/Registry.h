// The system registry, for the few values of the engine and the shell the program reads or
// writes. Keys are backslash-separated paths below a root ("Software\Microsoft\...").
// The Windows binding maps this onto the Reg* API; tests use an in-memory tree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumbrel {

enum class RegRoot { CurrentUser, LocalMachine, ClassesRoot };

class Registry {
public:
    virtual ~Registry() = default;

    virtual bool KeyExists(RegRoot root, const std::string& key) = 0;
    // A string value (REG_SZ or REG_EXPAND_SZ, unexpanded); nothing when missing or of
    // another type. An empty `name` is the key's default value.
    virtual std::optional<std::string> ReadString(RegRoot root, const std::string& key,
                                                  const std::string& name) = 0;
    virtual std::optional<uint32_t> ReadDword(RegRoot root, const std::string& key,
                                              const std::string& name) = 0;
    // A REG_BINARY value's bytes; nothing when missing or of another type.
    virtual std::optional<std::string> ReadBinary(RegRoot root, const std::string& key,
                                                  const std::string& name) = 0;
    // Writes create the key and its missing parents.
    virtual bool WriteString(RegRoot root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    virtual bool WriteDword(RegRoot root, const std::string& key, const std::string& name,
                            uint32_t value) = 0;
    virtual bool WriteBinary(RegRoot root, const std::string& key, const std::string& name,
                             const std::string& bytes) = 0;
    virtual bool DeleteValue(RegRoot root, const std::string& key, const std::string& name) = 0;
    // Deletes the key with everything below it.
    virtual bool DeleteKey(RegRoot root, const std::string& key) = 0;
    virtual std::vector<std::string> SubKeys(RegRoot root, const std::string& key) = 0;
};

}  // namespace lumbrel
