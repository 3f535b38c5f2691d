// The favorites dialogs on Windows: the program's own "Add to Favorite", the system's add
// dialog through the shell's UI helper object, and the shell's add and organise dialogs of
// "shdocvw.dll", loaded only when one is asked for. A dialog the system does not have does
// nothing.
#pragma once

#include "win32/platform/WinApi.h"

#include "platform/CodePage.h"
#include "platform/FavoritesDialogs.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

class Win32FavoritesDialogs : public FavoritesDialogs {
public:
    // Texts go to the shell's helper object in UTF-16 from `cp`.
    explicit Win32FavoritesDialogs(const CodePage& cp) : cp_(cp) {}

    // The window the dialogs are shown over and the language they are translated with.
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetLanguage(const Language* language) { language_ = language; }

    bool AddToFavorite(AddFavoriteForm& form) override;
    void ShellAddFavorite(const std::string& url, const std::string& title) override;
    bool HasShellAddDialog() override;
    std::optional<std::string> ShellChooseFavoriteFile(const std::string& root,
                                                       const std::string& title) override;
    void ShellOrganizeFavorites(const std::string& root) override;

private:
    HWND Owner() const { return owner_ && IsWindow(owner_) ? owner_ : nullptr; }

    const CodePage& cp_;
    HWND owner_ = nullptr;
    const Language* language_ = nullptr;
};

}  // namespace lumbrel::win32
