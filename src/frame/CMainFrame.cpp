#include "frame/CMainFrame.h"

#include <cstdio>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "frame/OutsideOpener.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

bool EndsWithNoCase(const std::string& text, const char* suffix) {
    const std::string_view s(suffix);
    if (text.size() < s.size())
        return false;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = text[text.size() - s.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != s[i])
            return false;
    }
    return true;
}

}  // namespace

CMainFrame::CMainFrame(CBrowserApp& app) : app_(app) {
    RegisterCommands();
}

CMainFrame::~CMainFrame() = default;

// --- Life cycle ---------------------------------------------------------------------------

void CMainFrame::OnCreate(const FrameWidgets& widgets) {
    widgets_.emplace(widgets);
    options_.Load(LoadStage::FrameCreation, app_.Settings());
    app_.Prefs().Load(LoadStage::FrameCreation, app_.Settings(), app_.Ports().registry);
    hotKeyRegistered_ =
        widgets_->window.RegisterShowHideHotKey(options_.showHideModifiers, options_.showHideKey);
    if (options_.menuLoadLastClose)
        LoadClosedList();
}

void CMainFrame::ApplyStartSettings() {
    displayMode_ = app_.Prefs().pageMax > 0 ? DisplayMode::Maximized : DisplayMode::Normal;
}

// --- Creating windows ---------------------------------------------------------------------

CChildFrame* CMainFrame::NewChild(ChildMode mode, NavKind kind, const std::string& requested,
                                  CQuorralView* source, bool activate) {
    if (!widgets_)
        return nullptr;
    std::string url = CleanRequestedUrl(requested);
    if (!url.empty()) {
        if (HasRefusedScheme(url))
            return nullptr;
        if (TakenOutside(url))
            return nullptr;
        url = ApplyWwwRule(url);
    }

    CChildFrame* child = mode == ChildMode::Create ? nullptr : ReuseWindow(source);
    const bool reused = child != nullptr;
    if (!child) {
        child = CreateWindowFor(activate);
        if (!child)
            return nullptr;
        if (activate) {
            child->Window()->Show();
            if (!url.empty())
                widgets_->address.SetText(url);
        }
    }

    CQuorralView& view = child->View();
    ConfigureView(view, source);
    if (mode != ChildMode::NoNavigation && kind == NavKind::Url)
        view.lastUrl = url;
    if (reused && (activate || windowCount_ == 0)) {
        view.activeView = true;
        ActivateChild(*child);
    }
    if (mode != ChildMode::NoNavigation)
        view.InitialNavigate(static_cast<int>(kind), url);
    return child;
}

bool CMainFrame::TakenOutside(std::string& url) {
    return OutsideOpener(app_).Take(url);
}

CChildFrame* CMainFrame::ReuseWindow(CQuorralView* source) {
    if (source && app_.Settings().Get(keys::FilteBlank)) {
        CChildFrame& sourceChild = source->Child();
        if (CChildFrame* last = Child(sourceChild.lastOpened)) {
            const std::string& location = last->View().Location();
            Clock& clock = app_.Ports().clock;
            const double age =
                static_cast<double>(clock.PerformanceCounter() - sourceChild.lastOpenedTime) /
                static_cast<double>(clock.PerformanceFrequency());
            if (location == kAboutBlank || (location.empty() && age < 0.25)) {
                last->View().progress = 0;
                return last;
            }
        }
    }
    for (int i = 0; i < windowCount_; ++i) {
        CChildFrame* child = ChildAt(i);
        if (!child || child->View().IsLoading() || child->View().closing)
            continue;
        std::string location = child->View().Location();
        if (location.empty() && child->Window())
            location = child->Window()->Text();
        if (location == kAboutBlank) {
            child->View().progress = -1;
            child->View().activatePending = true;
            return child;
        }
    }
    return nullptr;
}

CChildFrame* CMainFrame::CreateWindowFor(bool activate) {
    const Preferences& prefs = app_.Prefs();
    ViewSettings viewSettings{prefs.defaultProperty, prefs.defFontSize, prefs.defaultWebProxy};
    const ChildId id = nextChildId_++;
    auto child = std::make_unique<CChildFrame>(*this, id, viewSettings);
    child->activateFlag = activate ? 1 : 0;

    CChildFrame* active = ActiveChild();
    const bool maximized = active && active->Window() ? active->Window()->IsMaximized()
                                                      : displayMode_ == DisplayMode::Maximized;
    displayMode_ = maximized ? DisplayMode::Maximized : DisplayMode::Normal;
    child->View().activeView = windowCount_ == 0 || prefs.activeNew || activate;

    ChildWindow* window = widgets_->window.CreateChild(id, ChildCreateOptions{maximized}, *child,
                                                       child->View(), *child);
    if (!window)
        return nullptr;
    child->Attach(window);
    child->View().AttachBrowser(&window->Browser());
    CChildFrame* result = child.get();
    children_[id] = std::move(child);
    return result;
}

void CMainFrame::ConfigureView(CQuorralView& view, CQuorralView* source) {
    view.programmaticNav = true;
    view.progress = -1;
    if (source) {
        view.webProxyTemplate = source->webProxyTemplate;
        view.webProxyOn = source->webProxyOn;
        view.dlFlags = source->dlFlags;
        view.autoScrollSpeed = source->autoScrollSpeed;
        view.autoScrollAfterDL = source->autoScrollAfterDL;
        view.autoScroll = source->autoScroll;
    } else {
        view.autoScrollSpeed = app_.Prefs().srSpeed;
        view.autoScrollAfterDL = app_.Prefs().autoScrollAfterDL != 0;
        view.autoScroll = false;
    }
}

// --- Tabs ---------------------------------------------------------------------------------

int CMainFrame::AddTab(CChildFrame& child, int index, const std::string& title) {
    TabStrip& tabs = widgets_->tabs;
    const int current = tabs.Selected();
    const int newSequence = app_.Prefs().newSequence;
    const int position =
        TabInsertPosition(newSequence, tabs.Count(), current, child.openFlags, index);
    tabs.Insert(position, title.empty() ? kAboutBlank : title, child.Id());
    if (child.View().activeView)
        tabs.Select(position);
    else if (current >= 0)
        tabs.Select(SelectionAfterBackgroundInsert(current, position));

    Post(UM_TAB_LAYOUT, 1);
    RefreshWindowCount();
    if (windowCount_ <= 2)
        widgets_->window.RefreshCommandStates();
    if (options_.tabStyle == 1 && windowCount_ == 1)
        tabs.Repaint();
    if (!tabWidened_) {
        tabs.Widen(4);
        tabWidened_ = true;
    }
    windowListChanged_ = true;
    if (newSequence != 0)
        RenumberTabs(position);
    return position;
}

int CMainFrame::FindTab(const CChildFrame& child) {
    if (!widgets_)
        return -1;
    TabStrip& tabs = widgets_->tabs;
    for (int i = 0, n = tabs.Count(); i < n; ++i)
        if (tabs.ItemChild(i) == child.Id())
            return i;
    return -1;
}

CChildFrame* CMainFrame::ChildAt(int index) {
    if (!widgets_)
        return nullptr;
    return Child(widgets_->tabs.ItemChild(index));
}

CChildFrame* CMainFrame::Child(ChildId id) {
    auto it = children_.find(id);
    return it == children_.end() ? nullptr : it->second.get();
}

CChildFrame* CMainFrame::ActiveChild() {
    return widgets_ ? Child(widgets_->window.ActiveChild()) : nullptr;
}

void CMainFrame::ActivateChild(CChildFrame& child) {
    widgets_->window.MdiActivate(child.Id());
    const int index = FindTab(child);
    if (index >= 0)
        widgets_->tabs.Select(index);
}

void CMainFrame::SelectTab(int index) {
    if (widgets_ && index >= 0 && index < widgets_->tabs.Count())
        widgets_->tabs.Select(index);
}

void CMainFrame::SetTabText(int index, const std::string& text) {
    if (widgets_ && index >= 0)
        widgets_->tabs.SetText(index, text);
}

int CMainFrame::SetTabImage(int index, int image) {
    if (image == kTabRead && !options_.showRead)
        image = kTabNoImage;
    if (widgets_ && index >= 0)
        widgets_->tabs.SetImage(index, image);
    return image;
}

std::string CMainFrame::TabTitle(const CChildFrame& child) {
    if (!child.DisplayTitle().empty())
        return child.DisplayTitle();
    const std::string& location = child.View().Location();
    return location.empty() ? kAboutBlank : location;
}

std::string CMainFrame::TabCaption(int index, const std::string& title) const {
    if (!options_.showIndex)
        return title;
    return std::to_string(index + 1) + "-" + title;
}

void CMainFrame::RenumberTabs(int from) {
    if (!options_.showIndex)
        return;
    for (int i = std::max(from, 0); i < windowCount_; ++i) {
        CChildFrame* child = ChildAt(i);
        if (!child)
            continue;
        widgets_->tabs.SetText(i, TabCaption(i, TabTitle(*child)));
    }
}

void CMainFrame::RefreshWindowCount() {
    windowCount_ = widgets_ ? widgets_->tabs.Count() : 0;
}

// --- Progress, status, messages -----------------------------------------------------------

void CMainFrame::SetGlobalProgress(int progress) {
    globalProgress_ = progress;
    UpdateProgressDisplay();
}

void CMainFrame::UpdateProgressDisplay() {
    if (!widgets_)
        return;
    if (globalProgress_ < 0) {
        widgets_->status.SetProgress(std::nullopt, "");
        widgets_->window.SetTitle(CBrowserApp::kAppName);
        return;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%d%%", globalProgress_);
    widgets_->status.SetProgress(globalProgress_, text);
    widgets_->window.SetTitle(std::string(text) + "-" + CBrowserApp::kAppName);
}

void CMainFrame::SetStatusText(const std::string& text) {
    if (!widgets_)
        return;
    if (text.empty() && lastStatusEmpty_)
        return;
    lastStatusEmpty_ = text.empty();
    widgets_->status.SetText(text);
}

void CMainFrame::SetSecure(bool secure) {
    if (widgets_)
        widgets_->status.SetSecure(secure);
}

void CMainFrame::Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    app_.Ports().loop.Post(kFrameTarget, message, wParam, lParam);
}

std::string CMainFrame::Text(int stringId) const {
    return app_.LngLoadString(stringId);
}

MsgResult CMainFrame::Ask(int stringId) {
    return app_.Ports().ui.MessageBox(Text(stringId), MsgButtons::YesNo, MsgIcon::Question);
}

void CMainFrame::Tell(int stringId) {
    app_.Ports().ui.MessageBox(Text(stringId), MsgButtons::Ok, MsgIcon::Warning);
}

void CMainFrame::OnPosted(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
        case kWmCommand:
            OnCommand(static_cast<int>(wParam & 0xFFFF));
            break;
        case kWmClose:
            OnCloseRequest(false);
            break;
        case kWmHotKey:
            OnHotKey();
            break;
        case UM_DEFERRED_INIT:
            DeferredInit();
            break;
        case UM_TAB_SELECTED:
            OnTabSelected();
            break;
        case UM_ACTIVATE_CHILD:
            OnUiActivateChild(static_cast<ChildId>(lParam));
            break;
        case UM_TAB_LAYOUT:
        case UM_TAB_TIPS:
        case UM_FAVORITES_CHANGED:
        case UM_REBUILD_TOOLBAR:
            // The tab bar, the favorites menus and the toolbar answer these themselves.
            break;
        default:
            break;
    }
}

void CMainFrame::OnTimer(uint32_t timerId) {
    switch (timerId) {
        case kUiTickTimer:
            OnUiTick();
            break;
        case kIconTimer:
            OnIconTick();
            break;
        case kOpenQueueTimer:
            RunOpenQueueTick();
            break;
        default:
            break;
    }
}

// --- Hand-over, dropped files -------------------------------------------------------------

bool IsUrlShortcut(const std::string& path) {
    return EndsWithNoCase(path, ".url");
}

std::string CMainFrame::ResolveShortcut(const std::string& path) {
    if (!IsUrlShortcut(path))
        return path;
    return app_.Profiles().GetString(path, "InternetShortcut", "URL", "", 2049);
}

void CMainFrame::OnHandover(const std::string& text) {
    if (!widgets_)
        return;
    if (widgets_->window.IsVisible())
        widgets_->window.BringToFront();
    else
        ShowFrame(true);
    NewChild(ChildMode::ReuseOrCreate, NavKind::Url, ResolveShortcut(text), nullptr, true);
}

void CMainFrame::OnDroppedFiles(const std::vector<std::string>& files, bool shiftHeld) {
    for (const std::string& file : files) {
        std::string target = file;
        if (EndsWithNoCase(file, ".lnk")) {
            auto resolved = app_.Ports().shell.ResolveLink(file);
            if (!resolved)
                continue;
            target = *resolved;
        } else {
            target = ResolveShortcut(file);
        }
        CChildFrame* active = ActiveChild();
        if (shiftHeld && active)
            active->View().OpenUrl(target);
        else
            NewChild(ChildMode::ReuseOrCreate, NavKind::Url, target, nullptr, !shiftHeld);
    }
}

}  // namespace lumbrel
