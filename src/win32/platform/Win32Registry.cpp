#include "win32/platform/Win32Registry.h"

#include "win32/platform/WinApi.h"

#include <shlwapi.h>

namespace lumbrel::win32 {
namespace {

HKEY RootKey(RegRoot root) {
    switch (root) {
        case RegRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegRoot::CurrentUser:
            break;
    }
    return HKEY_CURRENT_USER;
}

// An open registry key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey(RegRoot root, const std::string& path, REGSAM access, bool create) {
        LONG rc = create ? RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, 0, access,
                                           nullptr, &key_, nullptr)
                         : RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &key_);
        if (rc != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey() {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

bool Win32Registry::KeyExists(RegRoot root, const std::string& key) {
    return static_cast<bool>(OpenKey(root, key, KEY_READ, false));
}

std::optional<std::string> Win32Registry::ReadString(RegRoot root, const std::string& key,
                                                     const std::string& name) {
    OpenKey k(root, key, KEY_READ, false);
    if (!k)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // One byte more than reported: a stored value need not carry its terminator.
    std::string value(size + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &got) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(got < value.size() ? got : value.size());
    while (!value.empty() && value.back() == '\0')
        value.pop_back();
    return value;
}

std::optional<uint32_t> Win32Registry::ReadDword(RegRoot root, const std::string& key,
                                                 const std::string& name) {
    OpenKey k(root, key, KEY_READ, false);
    if (!k)
        return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value;
}

bool Win32Registry::WriteString(RegRoot root, const std::string& key, const std::string& name,
                                const std::string& value) {
    OpenKey k(root, key, KEY_WRITE, true);
    return k && RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::WriteDword(RegRoot root, const std::string& key, const std::string& name,
                               uint32_t value) {
    OpenKey k(root, key, KEY_WRITE, true);
    DWORD v = value;
    return k && RegSetValueExA(k.get(), name.c_str(), 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&v), sizeof(v)) == ERROR_SUCCESS;
}

std::optional<std::string> Win32Registry::ReadBinary(RegRoot root, const std::string& key,
                                                     const std::string& name) {
    OpenKey k(root, key, KEY_READ, false);
    if (!k)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return std::nullopt;
    std::string bytes(size, '\0');
    DWORD got = size;
    if (size > 0 && RegQueryValueExA(k.get(), name.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(bytes.data()), &got) != ERROR_SUCCESS)
        return std::nullopt;
    // The value may have shrunk between the two calls.
    bytes.resize(got < bytes.size() ? got : bytes.size());
    return bytes;
}

bool Win32Registry::WriteBinary(RegRoot root, const std::string& key, const std::string& name,
                                const std::string& bytes) {
    OpenKey k(root, key, KEY_WRITE, true);
    return k && RegSetValueExA(k.get(), name.c_str(), 0, REG_BINARY,
                               reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegRoot root, const std::string& key, const std::string& name) {
    OpenKey k(root, key, KEY_WRITE, false);
    return k && RegDeleteValueA(k.get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegRoot root, const std::string& key) {
    return SHDeleteKeyA(RootKey(root), key.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::SubKeys(RegRoot root, const std::string& key) {
    std::vector<std::string> names;
    OpenKey k(root, key, KEY_READ, false);
    if (!k)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(k.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace lumbrel::win32
