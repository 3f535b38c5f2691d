#include "win32/favorites/Win32FavoritesDialogs.h"
#include "win32/platform/RunningSystem.h"

#include <exdisp.h>
#include <shlobj.h>

#include "favorites/GroupForms.h"
#include "language/DialogIds.h"
#include "win32/favorites/GroupDialogs.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/ComValues.h"
#include "win32/platform/Handles.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {
namespace {

constexpr const char* kShellBrowserLibrary = "shdocvw.dll";

// BOOL DoAddToFavDlg(HWND, LPSTR initDir, UINT, LPSTR file, UINT, LPITEMIDLIST browse)
using AddToFavoritesDialog = BOOL(WINAPI*)(HWND, LPSTR, UINT, LPSTR, UINT, LPITEMIDLIST);
// BOOL DoOrganizeFavDlg(HWND, LPSTR initDir)
using OrganizeFavoritesDialog = BOOL(WINAPI*)(HWND, LPSTR);

// An entry point of the shell's browser library, with the library held while it is called.
template <typename Function>
class ShellEntry {
public:
    explicit ShellEntry(const char* name)
        : library_(RunningOnWine() ? nullptr : LoadLibraryA(kShellBrowserLibrary)) {
        // Wine's library exports these dialogs as stubs that end the process when called:
        // there they count as missing, and the program's own dialog is shown.
        if (library_)
            function_ = reinterpret_cast<Function>(
                reinterpret_cast<void*>(GetProcAddress(library_.Get(), name)));
    }
    explicit operator bool() const { return function_ != nullptr; }
    Function operator*() const { return function_; }

private:
    UniqueModule library_;
    Function function_ = nullptr;
};

class AddToFavoriteDialog : public ModalDialog {
public:
    AddToFavoriteDialog(const Language* language, AddFavoriteForm& form)
        : ModalDialog(IDD_ADD_TO_FAVORITE, "DialogAddToFav", language), form_(form) {}

protected:
    void OnInit() override {
        SetItemText(IDC_ADD_FAV_NAME, form_.name);
        SetItemText(IDC_ADD_FAV_URL, form_.url);
        SetItemText(IDC_ADD_FAV_FOLDER, form_.folder);
        // The boxes speak of flags as a group member's do.
        ShowDownloadBoxes(hwnd_, GroupUrlForm::For({"", "", kMemberOpens, form_.downloadFlags}));
    }
    bool OnOk() override {
        form_.name = ItemText(IDC_ADD_FAV_NAME);
        form_.url = ItemText(IDC_ADD_FAV_URL);
        GroupUrlForm boxes;
        ReadDownloadBoxes(hwnd_, boxes);
        form_.downloadFlags = boxes.Flags();
        return true;
    }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        return OnDownloadBoxCommand(hwnd_, message, wParam);
    }

private:
    AddFavoriteForm& form_;
};

}  // namespace

bool Win32FavoritesDialogs::AddToFavorite(AddFavoriteForm& form) {
    AddFavoriteForm edited = form;
    AddToFavoriteDialog dialog(language_, edited);
    if (dialog.Run(Owner()) != IDOK)
        return false;
    form = edited;
    return true;
}

void Win32FavoritesDialogs::ShellAddFavorite(const std::string& url, const std::string& title) {
    ComPtr<IShellUIHelper> helper;
    if (FAILED(CoCreateInstance(CLSID_ShellUIHelper, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IShellUIHelper, reinterpret_cast<void**>(helper.Put()))) ||
        !helper)
        return;
    const Bstr address = Bstr::FromAnsi(cp_, url);
    Variant caption = Variant::String(cp_, title);
    helper->AddFavorite(address.Get(), caption.Ptr());
}

bool Win32FavoritesDialogs::HasShellAddDialog() {
    return static_cast<bool>(ShellEntry<AddToFavoritesDialog>("DoAddToFavDlg"));
}

std::optional<std::string> Win32FavoritesDialogs::ShellChooseFavoriteFile(
    const std::string& root, const std::string& title) {
    const ShellEntry<AddToFavoritesDialog> dialog("DoAddToFavDlg");
    if (!dialog)
        return std::nullopt;
    std::string folder = root;
    folder.resize(MAX_PATH, '\0');
    // In: the proposed name; out: the file the user chose.
    std::string file = title.substr(0, MAX_PATH - 1);
    file.resize(MAX_PATH, '\0');
    if (!(*dialog)(Owner(), folder.data(), MAX_PATH, file.data(), MAX_PATH, nullptr))
        return std::nullopt;
    file.resize(file.find('\0'));
    return file.empty() ? std::nullopt : std::optional<std::string>(file);
}

void Win32FavoritesDialogs::ShellOrganizeFavorites(const std::string& root) {
    const ShellEntry<OrganizeFavoritesDialog> dialog("DoOrganizeFavDlg");
    if (!dialog)
        return;
    std::string folder = root;
    (*dialog)(Owner(), folder.data());
}

}  // namespace lumbrel::win32
