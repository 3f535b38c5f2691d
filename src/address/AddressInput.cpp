#include "address/AddressInput.h"

#include "address/QuickKeys.h"
#include "address/UpUrl.h"
#include "base/DbcsText.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/OutsideOpener.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"
#include "search/EngineSearch.h"
#include "view/ExternalHandOff.h"
#include "view/PageRules.h"

namespace lumbrel {
namespace {

// The address an engine error page stands for; the page itself when what follows its "#" is
// no address to load (a script there would run in whatever page the window shows).
std::string FailedAddressOf(const std::string& errorPage) {
    return ErrorPageTarget(errorPage).value_or(errorPage);
}

}  // namespace

AddressInput::AddressInput(CMainFrame& frame)
    : frame_(frame), typed_(frame.App().Ports().registry) {}

// --- Life cycle ---------------------------------------------------------------------------

void AddressInput::LoadTypedAddresses() {
    typed_.Load();
    AddressBox& box = frame_.Widgets().address;
    box.ClearItems();
    for (const std::string& url : typed_.Items())
        box.InsertItem(-1, url);
}

void AddressInput::SaveTypedAddresses() {
    typed_.Save();
}

void AddressInput::LoadAliases() {
    aliases_.Load(frame_.App().Settings());
}

// --- Opening ------------------------------------------------------------------------------

bool AddressInput::OpenSpecialAddress(const std::string& text) {
    std::string copy = text;
    return OutsideOpener(frame_.App()).Take(copy);
}

void AddressInput::GoAddress(const std::string& text, KeyModifiers keys) {
    const CodePage& cp = frame_.App().Ports().codePage;
    std::string t(TrimBlanks(cp, text));
    if (t.empty())
        return;
    frame_.Widgets().address.Focus();
    if (OpenSpecialAddress(t))
        return;
    if (t.starts_with("res://")) {
        t = FailedAddressOf(t);
        Show(t);
    }

    std::vector<std::string> moreSearches;
    if (!keys.ctrl && !keys.shift) {
        const std::optional<std::string> aliased =
            frame_.Prefs().useAlias ? aliases_.Find(t) : std::nullopt;
        if (aliased) {
            t = *aliased;
            Show(t);
        } else if (const auto query = SplitKeywordQuery(cp, t)) {
            if (const auto templates = Search().EngineTemplate(query->engine)) {
                // A template list gives one address per template: the first opens where the
                // typed address would, the others each in a window of their own.
                std::vector<std::string> urls = EngineSearchUrls(cp, *templates, query->keyword);
                if (!urls.empty()) {
                    t = urls.front();
                    moreSearches.assign(urls.begin() + 1, urls.end());
                    Show(t);
                }
            }
        }
    }

    t = std::string(TrimBlanks(cp, t));
    const CompletedAddress completed =
        CompleteAddress(cp, t, keys, DomainCompletion::Load(frame_.App().Settings()));
    if (completed.search) {
        Search().SearchKeyword(completed.text, completed.action);
        return;
    }
    t = completed.text;
    Show(t);

    const bool newWindow = keys.alt || frame_.Options().addressInNewWindow;
    if (!OpenInTarget(t, newWindow, frame_.Options().activeNewAddress != 0))
        return;
    for (const std::string& url : moreSearches)
        frame_.NewChild(NewChildRequest::Url(url));
    Remember(t);
}

void AddressInput::GoListItem(const std::string& text) {
    std::string t = text;
    if (t.empty() || OpenSpecialAddress(t))
        return;
    if (t.starts_with("res://")) {
        t = FailedAddressOf(t);
        Show(t);
    }
    OpenInTarget(t, frame_.Options().addressInNewWindow != 0,
                 frame_.Options().activeNewAddress != 0);
}

void AddressInput::OpenFromDialog(const std::string& text, bool inNewWindow) {
    if (text.empty() || OpenSpecialAddress(text))
        return;
    OpenInTarget(text, inNewWindow, true);
}

void AddressInput::OpenDialog() {
    if (!dialogs_)
        return;
    Preferences& prefs = frame_.Prefs();
    const OpenDialogFields initial{"", prefs.openInNew != 0, prefs.directOpenFile != 0};
    const std::optional<OpenDialogFields> answer = dialogs_->OpenAddress(initial, typed_.Items());
    if (!answer)
        return;
    prefs.openInNew = answer->openInNew ? 1 : 0;
    prefs.directOpenFile = answer->directOpen ? 1 : 0;
    OpenFromDialog(std::string(TrimBlanks(frame_.App().Ports().codePage, answer->text)),
                   answer->openInNew);
}

bool AddressInput::OpenInTarget(const std::string& url, bool newWindow, bool activate) {
    CChildFrame* active = frame_.ActiveChild();
    if (active && !newWindow) {
        active->View().OpenUrl(url);
    } else {
        // A script or mail address has no window of its own to run in.
        if (HasRefusedScheme(url))
            return false;
        const WebProxy proxy = active ? active->View().Proxy() : WebProxy{};
        NewChildRequest request = NewChildRequest::Url("", activate);
        request.mode = ChildMode::NoNavigation;
        CChildFrame* child = frame_.NewChild(request);
        if (!child)
            return false;
        if (proxy.webProxyOn)
            child->View().MutableProxy() = proxy;
        child->View().OpenUrl(url);
    }
    if (CChildFrame* now = frame_.ActiveChild())
        frame_.App().Ports().loop.Post(now->Id(), UM_FOCUS_PAGE, 0, 0);
    return true;
}

void AddressInput::Remember(const std::string& url) {
    if (typed_.Add(url))
        frame_.Widgets().address.InsertItem(0, url);
}

void AddressInput::Show(const std::string& text) {
    frame_.Widgets().address.SetText(text);
}

// --- "&Up" --------------------------------------------------------------------------------

void AddressInput::Up() {
    CChildFrame* active = frame_.ActiveChild();
    if (!active)
        return;
    const std::string current = active->View().Location();
    const std::string up = UpUrl(current);
    if (up != current)
        OpenUpAddress(up, frame_.Prefs().linkInNewWindow != 0);
}

std::vector<std::string> AddressInput::UpLevels() {
    upLevels_.clear();
    CChildFrame* active = frame_.ActiveChild();
    std::string current = active ? active->View().Location() : std::string();
    while (upLevels_.size() < kMaxUpLevels) {
        std::string up = UpUrl(current);
        if (up == current)
            break;
        upLevels_.push_back(up);
        current = std::move(up);
    }
    return upLevels_;
}

void AddressInput::OpenUpLevel(int index, bool newWindow) {
    if (index < 0 || static_cast<size_t>(index) >= upLevels_.size())
        return;
    const std::string url = upLevels_[static_cast<size_t>(index)];
    OpenUpAddress(url, newWindow);
}

void AddressInput::OpenUpAddress(const std::string& url, bool newWindow) {
    if (ExternalHandOff(frame_.App()).OpenFolder(url))
        return;
    CChildFrame* active = frame_.ActiveChild();
    if (newWindow || !active)
        frame_.NewChild(NewChildRequest::Url(url));
    else
        active->View().OpenUrl(url);
}

// --- Quick keys, aliases, the list --------------------------------------------------------

bool AddressInput::RunQuickKeyBinding(int index) {
    CBrowserApp& app = frame_.App();
    const QuickKeyBinding binding =
        ResolveQuickKey(app.Ports().codePage, frame_.Prefs().useSC != 0,
                        app.Settings().Get(keys::QuickKeyUrls, index + 2));
    switch (binding.kind) {
        case QuickKeyBinding::Kind::BuiltIn:
            return false;
        case QuickKeyBinding::Kind::ActivePage:
            if (CChildFrame* active = frame_.ActiveChild())
                active->View().OpenUrl(binding.urls.front());
            return true;
        case QuickKeyBinding::Kind::NewWindows:
            for (const std::string& url : binding.urls) {
                NewChildRequest request = NewChildRequest::Url(url);
                request.mode = ChildMode::Create;
                if (binding.isList)
                    request.placement = TabPlacement::End;
                frame_.NewChild(request);
            }
            return true;
    }
    return false;
}

bool AddressInput::AssignAlias(const std::string& alias, const std::string& url) {
    return aliases_.Assign(alias, url) && aliases_.Save(frame_.App().Settings());
}

void AddressInput::AssignAliasFor(ChildId subject) {
    CChildFrame* child = frame_.Windows().Find(subject);
    if (!dialogs_ || !child)
        return;
    const std::optional<AliasFields> answer = dialogs_->Alias(
        AliasFields{CleanAliasText(child->DisplayTitle()), child->View().Location()});
    if (answer && !AssignAlias(answer->alias, answer->url) &&
        !CleanAliasText(answer->alias).empty() && !CleanAliasText(answer->url).empty())
        frame_.Tell(IDS_SETTINGS_NOT_WRITTEN);
}

void AddressInput::AssignQuickKeyFor(ChildId subject) {
    CChildFrame* child = frame_.Windows().Find(subject);
    if (!dialogs_ || !child)
        return;
    SettingsStore& store = frame_.App().Settings();
    QuickKeyFields current;
    for (int i = 0; i < kQuickKeyCount; ++i)
        current.bindings[static_cast<size_t>(i)] = store.Get(keys::QuickKeyUrls, i + 2);
    current.useIeKey = store.Get(keys::UseIeKey) != 0;
    const std::optional<QuickKeyFields> answer =
        dialogs_->QuickKeys(ProposeQuickKey(std::move(current), child->View().Location()));
    if (!answer)
        return;
    auto batch = store.BeginBatch();
    for (int i = 0; i < kQuickKeyCount; ++i)
        store.Write(keys::QuickKeyUrls, i + 2,
                    CleanAliasText(answer->bindings[static_cast<size_t>(i)]));
    store.Write(keys::UseIeKey, answer->useIeKey ? 1 : 0);
    if (!batch.Commit())
        frame_.Tell(IDS_SETTINGS_NOT_WRITTEN);
}

void AddressInput::CleanTypedAddresses() {
    typed_.Clean();
    frame_.Widgets().address.ClearItems();
}

}  // namespace lumbrel
