#include "frame/PageCleanup.h"

#include "filter/FlyingAdScript.h"
#include "filter/PageCleanupScripts.h"
#include "frame/CMainFrame.h"
#include "language/StringIds.h"

namespace lumbrel {

PageCleanup::PageCleanup(CMainFrame& frame) : frame_(frame) {}

// --- Preparing ----------------------------------------------------------------------------

void PageCleanup::PrepareKillBlank() {
    killBlankScript_.clear();
    if (frame_.Prefs().killBlank)
        killBlankScript_ = lumbrel::KillBlankScript(
            frame_.App().Ports().codePage, frame_.App().Settings().Get(keys::BlankContent));
}

bool PageCleanup::PrepareFlyingFilter() {
    const std::string path = frame_.App().Directories().resource + "KillFlying.htm";
    FlyingAdScript script = FlyingAdScript::Parse(frame_.App().Ports().codePage,
                                                  frame_.App().Ports().fs.ReadFile(path));
    if (script.problem == FlyingAdScript::Problem::None) {
        flyingScript_ = std::move(script.body);
        flyingLanguage_ = std::move(script.language);
        return true;
    }
    // Off before the box: pages that finish loading while it is up run no old script.
    flyingScript_.clear();
    flyingLanguage_.clear();
    frame_.Prefs().useFlyingFilter = 0;
    const std::string text = script.problem == FlyingAdScript::Problem::Missing
                                 ? frame_.Text(IDS_NOT_FIND) + path
                                 : frame_.Text(IDS_SCRIPT_CONTENT_ERROR);
    frame_.App().Ports().ui.MessageBox(text, MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

// --- Running ------------------------------------------------------------------------------

bool PageCleanup::RunScriptInView(const std::string& script, const std::string& language,
                                  ChildId id, bool reportErrors) {
    CChildFrame* child = frame_.Windows().Find(id);
    if (!child || !child->Window() || child->View().IsClosing())
        return false;
    BrowserControl* browser = child->View().Browser();
    std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    if (!document)
        return false;
    child->View().Clicks().lastButton = LastButton::ProgramScript;
    const bool ran = document->ExecScript(script, language);
    document.reset();
    // The page's code may have closed the window meanwhile.
    if (CChildFrame* still = frame_.Windows().Find(id))
        still->View().Clicks().lastButton = LastButton::LeftOrOther;
    if (!ran && reportErrors)
        frame_.Indicators().SetStatusText(frame_.Text(IDS_RUN_SCRIPT_ERROR));
    return ran;
}

// The clean-up scripts silence their own errors: a failure is nothing to report.
void PageCleanup::ApplyFlyingFilter(ChildId id) {
    if (!flyingScript_.empty())
        RunScriptInView(flyingScript_, flyingLanguage_, id, false);
}

void PageCleanup::ApplyKillBlank(ChildId id) {
    if (!killBlankScript_.empty())
        RunScriptInView(killBlankScript_, kCleanupScriptLanguage, id, false);
}

void PageCleanup::ReloadUnshownImages(ChildId id) {
    RunScriptInView(std::string(ReloadImagesScript()), kCleanupScriptLanguage, id, false);
}

void PageCleanup::ReloadUnshownImages(CChildFrame& child) {
    ReloadUnshownImages(child.Id());
}

void PageCleanup::FilterLoadedPage(CChildFrame& child, bool floatingAds, bool cleanUp) {
    const ChildId id = child.Id();
    if (floatingAds)
        ApplyFlyingFilter(id);
    if (cleanUp)
        ApplyKillBlank(id);
}

// --- Commands -----------------------------------------------------------------------------

void PageCleanup::ToggleFlyingFilter() {
    Preferences& prefs = frame_.Prefs();
    prefs.useFlyingFilter = !prefs.useFlyingFilter;
    if (prefs.useFlyingFilter)
        FlyingFilterCameOn();
}

void PageCleanup::FlyingFilterCameOn() {
    if (!PrepareFlyingFilter())
        return;
    if (CChildFrame* active = frame_.ActiveChild())
        ApplyFlyingFilter(active->Id());
}

void PageCleanup::AddToFilter() {
    const std::optional<std::string> text =
        frame_.App().Ports().ui.InputBox(frame_.Text(IDS_ADD_CONTENT_FILTER), lastFilterProposal_);
    if (!text)
        return;
    lastFilterProposal_ = *text;
    frame_.Filters().Url().AddToUrlFilter(*text);
}

// --- The engine's boxes -------------------------------------------------------------------

bool PageCleanup::OnScriptError() {
    if (!frame_.Prefs().silent)
        return false;
    frame_.Indicators().SetStatusText(frame_.Text(IDS_SCRIPT_ERROR_STATUS));
    return true;
}

bool PageCleanup::OnPageMessage(const std::string& messageText) {
    if (!frame_.Prefs().silent || messageText.find(" ActiveX ") == std::string::npos)
        return false;
    frame_.Indicators().SetStatusText(frame_.Text(IDS_ACTIVEX_DENIED_STATUS));
    return true;
}

}  // namespace lumbrel
