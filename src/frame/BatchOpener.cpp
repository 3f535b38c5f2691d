#include "frame/BatchOpener.h"

#include "base/InternetShortcut.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"

namespace lumbrel {
namespace {

constexpr uint32_t kQueueTickMs = 20;
constexpr size_t kUrlsPerTick = 6;
constexpr size_t kUrlsPerInterval = 1;

}  // namespace

void BatchOpener::OpenFolder(const std::string& folder) {
    CBrowserApp& app = frame_.App();
    std::string base = folder;
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    std::vector<std::string> urls;
    const int limit = app.Prefs().maxWins;
    for (const DirEntry& entry : app.Ports().fs.ListFolder(base + "*")) {
        if (entry.attributes & (kAttrDirectory | kAttrHidden | kAttrSystem))
            continue;
        const std::string path = base + entry.name;
        std::string url;
        if (IsUrlShortcut(app.Ports().codePage, path))
            url = ResolveUrlShortcut(app.Profiles(), app.Ports().codePage, path);
        else if (auto target = app.Ports().shell.ResolveLink(path))
            url = *target;
        if (url.empty())
            continue;
        urls.push_back(std::move(url));
        if (limit > 0 && static_cast<int>(urls.size()) >= limit)
            break;
    }
    Open(std::move(urls));
}

void BatchOpener::Open(std::vector<std::string> urls) {
    if (urls.empty())
        return;
    const std::string first = urls.front();
    urls.erase(urls.begin());
    const bool more = !urls.empty();
    if (more)
        queue_.Begin(std::move(urls));
    OpenInWindow(first);
    if (!more)
        return;
    const int interval = frame_.App().Settings().Get(keys::Interval);
    frame_.App().Ports().loop.StartTimer(
        kFrameTarget, kOpenQueueTimer,
        interval > 0 ? static_cast<uint32_t>(interval) * 1000 : kQueueTickMs);
    frame_.Widgets().window.RefreshCommandStates();
}

void BatchOpener::OpenInWindow(const std::string& url) {
    NewChildRequest request = NewChildRequest::Url(url);
    request.placement = TabPlacement::End;
    frame_.NewChild(request);
}

void BatchOpener::OpenQueued(const std::string& url) {
    // A program among the shortcuts is started rather than shown.
    if (url.ends_with(".exe") || url.ends_with(".EXE"))
        frame_.App().Ports().shell.Execute("open", url, "", "");
    else
        OpenInWindow(url);
}

void BatchOpener::OnTimer() {
    const bool interval = frame_.App().Settings().Get(keys::Interval) > 0;
    for (const std::string& url : queue_.Take(interval ? kUrlsPerInterval : kUrlsPerTick))
        OpenQueued(url);
    if (queue_.Pending() == 0)
        End();
}

void BatchOpener::End() {
    frame_.App().Ports().loop.StopTimer(kFrameTarget, kOpenQueueTimer);
    const bool wasRunning = queue_.Running();
    queue_.End();
    if (wasRunning)
        frame_.Widgets().window.RefreshCommandStates();
}

}  // namespace lumbrel
