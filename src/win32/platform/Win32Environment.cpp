#include "win32/platform/Win32Environment.h"

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

std::string Win32Environment::ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
}

std::string Win32Environment::CommandLine() {
    const char* line = GetCommandLineA();
    return line ? line : "";
}

std::optional<std::string> Win32Environment::Variable(const std::string& name) {
    DWORD n = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (n == 0)
        return std::nullopt;
    std::string value(n, '\0');
    n = GetEnvironmentVariableA(name.c_str(), value.data(), n);
    value.resize(n);
    return value;
}

std::string Win32Environment::CurrentFolder() {
    const DWORD n = GetCurrentDirectoryA(0, nullptr);
    if (n == 0)
        return {};
    std::string folder(n, '\0');
    const DWORD written = GetCurrentDirectoryA(n, folder.data());
    folder.resize(written < n ? written : 0);
    return folder;
}

std::string Win32Environment::ExpandVariables(const std::string& text, size_t maxLength) {
    DWORD n = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (n == 0)
        return text.substr(0, maxLength);
    std::string value(n, '\0');
    n = ExpandEnvironmentStringsA(text.c_str(), value.data(), n);
    value.resize(n > 0 ? n - 1 : 0);
    if (value.size() > maxLength)
        value.resize(maxLength);
    return value;
}

}  // namespace lumbrel::win32
