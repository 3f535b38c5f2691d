// The dialogs of the favorites: the program's own "Add to Favorite" and the shell's
// add-to-favorites and organise dialogs, which the binding loads on demand. Each is modal
// and runs a message loop; a shell dialog that is not available does nothing.
#pragma once

#include <optional>
#include <string>

namespace lumbrel {

// What the "Add to Favorite" dialog shows and gives back.
struct AddFavoriteForm {
    std::string name;
    std::string url;
    std::string folder;
    int downloadFlags = -1;  // -1: "Use Special Download Control" clear
};

class FavoritesDialogs {
public:
    virtual ~FavoritesDialogs() = default;
    // The "Add to Favorite" dialog over `form`; false when cancelled.
    virtual bool AddToFavorite(AddFavoriteForm& form) = 0;
    // The system's own add dialog (the shell's UI helper) for the address and title.
    virtual void ShellAddFavorite(const std::string& url, const std::string& title) = 0;
    // Whether the shell's add dialog can be had (its library and entry point load).
    virtual bool HasShellAddDialog() = 0;
    // The shell's add dialog on `root`: the ".url" file the user chose, nothing when
    // cancelled or when the shell has no such dialog.
    virtual std::optional<std::string> ShellChooseFavoriteFile(const std::string& root,
                                                               const std::string& title) = 0;
    // The shell's organise dialog on `root`.
    virtual void ShellOrganizeFavorites(const std::string& root) = 0;
};

}  // namespace lumbrel
