#include "win32/platform/Win32Shell.h"

#include "win32/platform/WinApi.h"

#include <cstring>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace lumbrel::win32 {
namespace {

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released() {
        if (p)
            p->Release();
    }
};

// The clipboard, open for as long as this lives.
class OpenClipboardScope {
public:
    OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool Win32Shell::Execute(const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory) {
    HINSTANCE result =
        ShellExecuteA(nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::optional<std::string> Win32Shell::ResolveLink(const std::string& path) {
    Released<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link.p))))
        return std::nullopt;
    Released<IPersistFile> file;
    if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))))
        return std::nullopt;
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring widePath(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), length);
    if (FAILED(file.p->Load(widePath.c_str(), STGM_READ)))
        return std::nullopt;
    char target[MAX_PATH] = {};
    if (link.p->GetPath(target, MAX_PATH, nullptr, 0) != S_OK || target[0] == '\0')
        return std::nullopt;
    return std::string(target);
}

std::string Win32Shell::ClipboardText() {
    OpenClipboardScope clipboard;
    if (!clipboard)
        return {};
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data)
        return {};
    const char* text = static_cast<const char*>(GlobalLock(data));
    if (!text)
        return {};
    // The block may lack a terminator: never read past its size.
    const size_t size = GlobalSize(data);
    std::string result(text, strnlen(text, size));
    GlobalUnlock(data);
    return result;
}

bool Win32Shell::SetClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory)
        return false;
    if (void* bytes = GlobalLock(memory)) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return false;
    }
    OpenClipboardScope clipboard;
    // The clipboard owns the memory once it takes it.
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::optional<std::string> Win32Shell::FolderPath(SystemFolder folder) {
    char path[MAX_PATH] = {};
    if (folder == SystemFolder::Windows) {
        const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return std::nullopt;
        return std::string(path, length);
    }
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_FAVORITES, &list)) || !list)
        return std::nullopt;
    const BOOL found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    if (!found || path[0] == '\0')
        return std::nullopt;
    return std::string(path);
}

}  // namespace lumbrel::win32
