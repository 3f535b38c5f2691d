#include "frame/FrameProxies.h"

#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr const char* kProxyFile = "Proxy.ini";

bool IsWebItem(int id) {
    return (id >= IDM_WEB_PROXY_FIRST && id <= IDM_WEB_PROXY_LAST) ||
           (id >= IDM_TRANSLATION_PROXY_FIRST && id <= IDM_TRANSLATION_PROXY_LAST);
}

}  // namespace

using P = FrameProxies;
const P::Row P::kRows[] = {
    {IDM_ENABLE_PROXY, IDM_SET_PROXY, &P::RunCommand, &P::StateOf},
    {IDM_USE_IE_PROXY, IDM_USE_IE_PROXY, &P::RunCommand, &P::StateOf},
    {IDM_IMPORT_PROXY, IDM_EXPORT_PROXY, &P::RunCommand, &P::StateOf},
    {IDM_PROXY_SERVER_FIRST, IDM_PROXY_SERVER_LAST, &P::RunCommand, &P::StateOf},
    {IDM_TRANSLATION_PROXY_FIRST, IDM_WEB_PROXY_LAST, &P::RunCommand, &P::StateOf},
};

FrameProxies::FrameProxies(CMainFrame& frame, FrameCommands& commands)
    : CommandTable(kRows),
      frame_(frame),
      commands_(commands),
      server_(frame.Prefs(), frame.App().Ports().registry, frame.App().Ports().internet,
              frame.App().Ports().ui, frame.App().Lang()),
      menus_(list_, server_, frame.App().Lang()),
      writer_(frame.App().Ports().fs, frame.App().Ports().tasks,
              frame.App().Directories().user + kProxyFile) {
    commands_.Add(*this);
}

FrameProxies::~FrameProxies() {
    commands_.Remove(*this);
}

void FrameProxies::Load() {
    const DefaultCategoryNames names{.server = frame_.Text(IDS_PROXY_SERVER),
                                     .web = frame_.Text(IDS_WEB_PROXY),
                                     .translation = frame_.Text(IDS_TRANSLATION_PROXY)};
    list_.Load(frame_.App().Profiles(), writer_.Path(), frame_.Prefs().proxyByPass, names);
    list_.changed = false;
    server_.Start();
}

void FrameProxies::Exit() {
    if (list_.changed)
        Save();
    writer_.WaitIdle();
}

void FrameProxies::Save() {
    writer_.Save(list_.FileText());
    list_.changed = false;
}

// --- Commands -----------------------------------------------------------------------------

void FrameProxies::RunCommand(const CommandCall& call) {
    const int id = call.id;
    switch (id) {
        case IDM_SET_PROXY:
            EditProxies();
            return;
        case IDM_IMPORT_PROXY:
            Import();
            return;
        case IDM_EXPORT_PROXY:
            Export();
            return;
        default:
            break;
    }
    if (IsWebItem(id))
        ChooseWebItem(id);
    else
        menus_.OnCommand(id);
}

CommandState FrameProxies::StateOf(int id) const {
    switch (id) {
        case IDM_SET_PROXY:
        case IDM_IMPORT_PROXY:
        case IDM_EXPORT_PROXY:
            return {dialogs_ != nullptr, false};
        default:
            break;
    }
    CChildFrame* active = frame_.ActiveChild();
    const WebProxy* window = active ? &active->View().Proxy() : nullptr;
    if (IsWebItem(id) && !menus_.WebEntry(id))
        return {false, false};
    return {true, menus_.IsChecked(id, window).value_or(false)};
}

void FrameProxies::ChooseWebItem(int id) {
    const ProxyEntry* entry = menus_.WebEntry(id);
    CChildFrame* active = frame_.ActiveChild();
    if (!entry || !active)
        return;
    CQuorralView& view = active->View();
    if (!ChooseWebProxy(view.MutableProxy(), entry->address, frame_.Prefs().defaultWebProxy))
        return;
    const std::string page = view.Location();
    if (!page.empty() && page != kAboutBlank)
        view.OpenUrl(page, true);
}

void FrameProxies::RunGoMenuItem(int id) {
    if (!IsWebItem(id))
        return;
    const ProxyEntry* entry = menus_.WebEntry(id);
    CChildFrame* active = frame_.ActiveChild();
    const std::string address = frame_.Widgets().address.Text();
    if (!entry || !active || address.empty())
        return;
    frame_.Prefs().defaultWebProxy = entry->address;
    active->View().OpenUrl(GoThroughWebProxy(address, entry->address));
}

void FrameProxies::EditProxies() {
    if (!dialogs_)
        return;
    CChildFrame* active = frame_.ActiveChild();
    const ChildId subject = active ? active->Id() : kNoChild;
    ProxyDialogModel model(frame_.App().Ports().codePage, list_, frame_.Prefs(),
                           active ? active->View().Proxy() : WebProxy{});
    if (!dialogs_->EditProxies(model))
        return;
    // The dialog ran the message loop: the window it was opened for may be gone.
    CChildFrame* window = frame_.Windows().Find(subject);
    WebProxy noWindow;
    model.Apply(list_, frame_.Prefs(), window ? window->View().MutableProxy() : noWindow, server_);
    Save();
}

void FrameProxies::Import() {
    if (!dialogs_)
        return;
    const std::optional<ImportTarget> target = dialogs_->ChooseImport(list_.Categories());
    if (!target)
        return;
    const std::optional<std::string> file = dialogs_->OpenTextFile();
    if (!file)
        return;
    if (ImportProxyFile(list_, frame_.App().Ports().fs, *file, *target))
        Save();
}

void FrameProxies::Export() {
    if (!dialogs_)
        return;
    const std::optional<size_t> chosen = dialogs_->ChooseExportCategory(list_.Categories());
    if (!chosen)
        return;
    const std::optional<std::string> file = dialogs_->SaveTextFile();
    // The file dialog ran the message loop; the list is read only now.
    if (!file || *chosen >= list_.Categories().size())
        return;
    const std::string text = ExportProxyLines(list_.Categories()[*chosen]);
    if (!frame_.App().Ports().fs.WriteFileAtomic(*file, text))
        frame_.Tell(IDS_FILE_NOT_WRITTEN);
}

}  // namespace lumbrel
