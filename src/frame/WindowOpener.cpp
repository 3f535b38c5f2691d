#include "frame/WindowOpener.h"

#include "base/DbcsText.h"
#include "base/InternetShortcut.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/OutsideOpener.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

// A window the page opened less than this long ago, still without an address, is taken for
// the page's next opening (`FilteBlank`).
constexpr double kJustOpenedSeconds = 0.25;

}  // namespace

CChildFrame* WindowOpener::NewChild(const NewChildRequest& request) {
    CBrowserApp& app = frame_.App();
    std::string url = CleanRequestedUrl(app.Ports().codePage, request.url);
    if (!url.empty()) {
        if (HasRefusedScheme(url) || OutsideOpener(app).Take(url))
            return nullptr;
        url = ApplyWwwRule(app.Ports().codePage, url);
    }

    // A window made for the engine to fill is always a fresh one: an idle blank window may be
    // the very window whose page asks, and the engine must get a control of its own.
    CChildFrame* child = request.mode == ChildMode::ReuseOrCreate ? Reuse(request.source) : nullptr;
    const bool reused = child != nullptr;
    if (!child) {
        child = Create(request);
        if (!child)
            return nullptr;
        if (request.activate) {
            child->Window()->Show();
            if (!url.empty())
                frame_.Widgets().address.SetText(url);
        }
    }

    ConfigureView(child->View(), request.source);
    if (request.openFlags != 0)
        child->SetOpenFlags(request.openFlags);
    if (request.downloadFlags != -1)
        child->View().SetFixedDownloadFlags(request.downloadFlags);
    // Activating may ask for the window's password and navigating may ask questions of the
    // page's own: either runs the message loop, and the window's close may come in it.
    const ChildId id = child->Id();
    if (reused && (request.activate || frame_.Windows().Count() == 0)) {
        child->View().SetActiveView(true);
        frame_.ActivateChild(*child);
        child = frame_.Windows().Find(id);
        if (!child)
            return nullptr;
    }
    if (request.mode != ChildMode::NoNavigation) {
        child->View().InitialNavigate(static_cast<int>(request.kind), url);
        child = frame_.Windows().Find(id);
    }
    return child;
}

int WindowOpener::AddTab(CChildFrame& child, int index, const std::string& title) {
    WindowList& windows = frame_.Windows();
    const int current = windows.SelectedIndex();
    const int newSequence = child.Placement() == TabPlacement::End ? 0 : frame_.Prefs().newSequence;
    const int position =
        TabInsertPosition(newSequence, windows.Count(), current, child.OpenFlags(), index);
    windows.Insert(child, position, title);
    if (child.View().IsActiveView())
        windows.SelectIndex(position);
    else if (current >= 0)
        windows.SelectIndex(SelectionAfterBackgroundInsert(current, position));

    frame_.Post(UM_TAB_LAYOUT, 1);
    if (windows.Count() <= 2)
        frame_.Widgets().window.RefreshCommandStates();
    if (frame_.Options().tabStyle == 1 && windows.Count() == 1)
        frame_.Widgets().tabs.Repaint();
    if (!tabWidened_) {
        frame_.Widgets().tabs.Widen(4);
        tabWidened_ = true;
    }
    if (newSequence != 0)
        windows.Renumber(position);
    return position;
}

CChildFrame* WindowOpener::Reuse(ChildId source) {
    CBrowserApp& app = frame_.App();
    WindowList& windows = frame_.Windows();
    CChildFrame* sourceChild = windows.Find(source);
    if (sourceChild && app.Settings().Get(keys::FilteBlank)) {
        CChildFrame* last = windows.Find(sourceChild->LastOpened());
        if (last && !last->View().IsClosing()) {
            const std::string& location = last->View().Location();
            Clock& clock = app.Ports().clock;
            const double age =
                static_cast<double>(clock.PerformanceCounter() - sourceChild->LastOpenedTime()) /
                static_cast<double>(clock.PerformanceFrequency());
            if (location == kAboutBlank || (location.empty() && age < kJustOpenedSeconds)) {
                last->View().ReuseJustOpened();
                return last;
            }
        }
    }
    for (ChildId id : windows.InOrder()) {
        CChildFrame* child = windows.Find(id);
        if (!child || child->View().IsLoading() || child->View().IsClosing())
            continue;
        std::string location = child->View().Location();
        if (location.empty() && child->Window())
            location = child->Window()->Text();
        if (location == kAboutBlank) {
            child->View().ReuseIdleBlank();
            return child;
        }
    }
    return nullptr;
}

CChildFrame* WindowOpener::Create(const NewChildRequest& request) {
    const Preferences& prefs = frame_.Prefs();
    WindowList& windows = frame_.Windows();
    FrameWindow& window = frame_.Widgets().window;
    // Ids are never reused and never meet the frame's own message target.
    const ChildId id = kFrameTarget + 1 + nextId_++;
    auto owned =
        std::make_unique<CChildFrame>(frame_, id, ChildOpening{request.activate, request.placement},
                                      prefs.defaultProperty, prefs.defaultWebProxy);

    CChildFrame* active = frame_.ActiveChild();
    const bool maximized = active && active->Window()
                               ? active->Window()->IsMaximized()
                               : frame_.ChildrenDisplayMode() == DisplayMode::Maximized;
    frame_.SetChildrenDisplayMode(maximized ? DisplayMode::Maximized : DisplayMode::Normal);
    const bool background = (request.openFlags & kOpenBackground) != 0;
    owned->View().SetActiveView(windows.Count() == 0 || (prefs.activeNew && !background) ||
                                request.activate);

    // A window a page opens starts with the user's download-control choice for its opener;
    // flags the zone rule forces on the opener's page are not the user's.
    const CChildFrame* source = windows.Find(request.source);
    CQuorralView& view = owned->View();
    view.MutableFlags().Inherit(source ? source->View().Flags().userDlFlags
                                       : prefs.defaultProperty);
    ChildWindow* created = window.CreateChild(
        id, ChildCreateOptions{maximized, view.EngineDownloadFlags()}, *owned, view, *owned);
    if (!created)
        return nullptr;
    owned->Attach(created);
    view.AttachBrowser(&created->Browser());
    return &windows.Adopt(std::move(owned));
}

void WindowOpener::ConfigureView(CQuorralView& view, ChildId source) {
    if (CChildFrame* sourceChild = frame_.Windows().Find(source)) {
        view.Inherit(sourceChild->View().Inherited());
        return;
    }
    InheritedPageSettings fresh = view.Inherited();
    fresh.autoScrollSpeed = frame_.Prefs().srSpeed;
    fresh.autoScrollAfterDL = frame_.Prefs().autoScrollAfterDL != 0;
    fresh.autoScroll = false;
    view.Inherit(fresh);
}

std::string WindowOpener::ResolveShortcut(const std::string& path) {
    CBrowserApp& app = frame_.App();
    return ResolveUrlShortcut(app.Profiles(), app.Ports().codePage, path);
}

void WindowOpener::OnHandover(const std::string& text) {
    FrameWindow& window = frame_.Widgets().window;
    if (window.IsVisible())
        window.BringToFront();
    else
        frame_.Visibility().ShowFrame(true);
    NewChild(NewChildRequest::Url(ResolveShortcut(text), true));
}

void WindowOpener::OnDroppedFiles(const std::vector<std::string>& files, bool shiftHeld) {
    CBrowserApp& app = frame_.App();
    for (const std::string& file : files) {
        std::string target = file;
        if (EndsWithNoCase(app.Ports().codePage, file, ".lnk")) {
            auto resolved = app.Ports().shell.ResolveLink(file);
            if (!resolved)
                continue;
            target = *resolved;
        } else {
            target = ResolveShortcut(file);
        }
        CChildFrame* active = frame_.ActiveChild();
        if (shiftHeld && active)
            active->View().OpenUrl(target);
        else
            NewChild(NewChildRequest::Url(target, !shiftHeld));
    }
}

}  // namespace lumbrel
