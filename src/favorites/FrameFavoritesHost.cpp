#include "favorites/FrameFavoritesHost.h"

#include "frame/CMainFrame.h"
#include "frame/OutsideOpener.h"

namespace lumbrel {
namespace {

PageInfo PageOf(const CChildFrame& child) {
    return PageInfo{child.DisplayTitle(), child.View().Location(), child.View().Flags().dlFlags};
}

}  // namespace

void FrameFavoritesHost::OpenAddress(const std::string& address, int downloadFlags,
                                     bool newWindow) {
    CChildFrame* active = frame_.ActiveChild();
    if (newWindow || !active) {
        NewChildRequest request = NewChildRequest::Url(address);
        request.downloadFlags = downloadFlags;
        frame_.NewChild(request);
        return;
    }
    if (downloadFlags != -1)
        active->View().SetFixedDownloadFlags(downloadFlags);
    active->View().OpenUrl(address);
}

bool FrameFavoritesHost::OpenAtEnd(const std::string& address, int downloadFlags) {
    NewChildRequest request = NewChildRequest::Url(address);
    request.mode = ChildMode::Create;
    request.placement = TabPlacement::End;
    request.downloadFlags = downloadFlags;
    return frame_.NewChild(request) != nullptr;
}

bool FrameFavoritesHost::HandOutside(std::string& address) {
    return OutsideOpener(frame_.App()).Take(address);
}

void FrameFavoritesHost::OpenFolder(const std::string& folder) {
    frame_.OpenFolder(folder);
}

void FrameFavoritesHost::StartProgram(const std::string& path) {
    frame_.App().Ports().shell.Execute("open", path, "", "");
}

void FrameFavoritesHost::CloseAllWindows() {
    frame_.Closer().CloseAll();
}

bool FrameFavoritesHost::FavoritesInNewWindow() {
    return frame_.Options().favInNewWindow != 0;
}

std::optional<PageInfo> FrameFavoritesHost::ActivePage() {
    const CChildFrame* active = frame_.ActiveChild();
    if (!active)
        return std::nullopt;
    return PageOf(*active);
}

std::vector<PageInfo> FrameFavoritesHost::OpenPages() {
    std::vector<PageInfo> pages;
    WindowList& windows = frame_.Windows();
    for (int i = 0; i < windows.Count(); ++i) {
        const CChildFrame* child = windows.At(i);
        if (child && !child->View().Location().empty() && !child->View().IsClosing())
            pages.push_back(PageOf(*child));
    }
    return pages;
}

void FrameFavoritesHost::SetFavoritesChanged(int flag) {
    frame_.SetFavoritesChanged(flag);
}

}  // namespace lumbrel
