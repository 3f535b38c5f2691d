// The main frame as the favorites and groups see it.
#pragma once

#include "favorites/FavoritesHost.h"

namespace lumbrel {

class CMainFrame;

class FrameFavoritesHost : public FavoritesHost {
public:
    explicit FrameFavoritesHost(CMainFrame& frame) : frame_(frame) {}

    void OpenAddress(const std::string& address, int downloadFlags, bool newWindow) override;
    bool OpenAtEnd(const std::string& address, int downloadFlags) override;
    bool HandOutside(std::string& address) override;
    void OpenFolder(const std::string& folder) override;
    void StartProgram(const std::string& path) override;
    void CloseAllWindows() override;
    bool FavoritesInNewWindow() override;
    std::optional<PageInfo> ActivePage() override;
    std::vector<PageInfo> OpenPages() override;
    void SetFavoritesChanged(int flag) override;

private:
    CMainFrame& frame_;
};

}  // namespace lumbrel
