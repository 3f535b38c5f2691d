// What the favorites and groups need of the main frame and its windows: opening addresses,
// closing every window, the pages on show, and the favorites-changed flag. FrameFavoritesHost
// is the main frame's; tests may use it over a frame of fakes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumbrel {

// A window's page as the favorites and groups take it.
struct PageInfo {
    std::string title;  // the window's title
    std::string url;    // its location
    int downloadFlags = -1;
};

class FavoritesHost {
public:
    virtual ~FavoritesHost() = default;

    // Opens `address` in a new window or the active one; `downloadFlags` -1 leaves the
    // window's own. A new window's tab goes where the user's `NewSequence` says.
    virtual void OpenAddress(const std::string& address, int downloadFlags, bool newWindow) = 0;
    // A group member: a new window with its tab at the end of the tabs, whatever the user's
    // `NewSequence`. False when no window was made (the address went to an outside handler
    // or was refused).
    virtual bool OpenAtEnd(const std::string& address, int downloadFlags) = 0;
    // Hands `address` to its outside handler (a download manager, the ftp program, the shell
    // for a local folder) when it has one; `address` may come back expanded. True when it was
    // handed over (or refused).
    virtual bool HandOutside(std::string& address) = 0;
    // Opens every favorite of a folder through the open queue.
    virtual void OpenFolder(const std::string& folder) = 0;
    // Starts a program through the shell.
    virtual void StartProgram(const std::string& path) = 0;
    virtual void CloseAllWindows() = 0;
    // Whether a favorite opens in a new window (`FavInNewWindow`).
    virtual bool FavoritesInNewWindow() = 0;

    // The active window's page; nothing without a window.
    virtual std::optional<PageInfo> ActivePage() = 0;
    // Every window's page in tab order, left out the windows without an address and those
    // closing.
    virtual std::vector<PageInfo> OpenPages() = 0;

    // The idle duty rebuilds the favorites menus once this is set (2: not the side bar).
    virtual void SetFavoritesChanged(int flag) = 0;
};

}  // namespace lumbrel
