#include "win32/ui/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>

namespace lumbrel::win32 {
namespace {

// The system reads a filter as strings each ended by a zero, the list by two.
std::string SystemFilter(const std::string& filter) {
    std::string result = filter;
    for (char& c : result) {
        if (c == '|')
            c = '\0';
    }
    result.append(2, '\0');
    return result;
}

std::optional<std::string> RunFileDialog(HWND owner, const std::string& filter,
                                         const std::string& initial, const char* extension,
                                         DWORD flags, bool save) {
    const std::string systemFilter = SystemFilter(filter);
    char path[MAX_PATH] = {};
    lstrcpynA(path, initial.c_str(), MAX_PATH);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = systemFilter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = extension;
    dialog.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen)
        return std::nullopt;
    return std::string(path);
}

struct ItemIdListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

int CALLBACK SelectStartFolder(HWND hwnd, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

}  // namespace

std::optional<std::string> PickFileToOpen(HWND owner, const std::string& filter,
                                          const std::string& start) {
    return RunFileDialog(owner, filter, start, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                         false);
}

std::optional<std::string> PickFileToSave(HWND owner, const std::string& filter,
                                          const std::string& proposed, const char* extension) {
    return RunFileDialog(owner, filter, proposed, extension,
                         OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, true);
}

std::optional<std::string> PickFolder(HWND owner, const std::string& title,
                                      const std::string& start) {
    char display[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &SelectStartFolder;
    info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    const std::unique_ptr<ITEMIDLIST, ItemIdListFree> chosen(SHBrowseForFolderA(&info));
    if (!chosen)
        return std::nullopt;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.get(), path))
        return std::nullopt;
    return std::string(path);
}

}  // namespace lumbrel::win32
