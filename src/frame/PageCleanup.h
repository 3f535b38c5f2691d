// The content filter's work inside loaded pages: it prepares the placeholder script (from
// `KillBlank` and `BlankContent`) and the floating-advertisement script (from the installed
// "Resource\KillFlying.htm"), runs them and the image reload in a window's page when the view
// reports the end of a load or a completed document, keeps the engine's script-error and
// ActiveX boxes out of the way while `Silent` is on, and runs "Enable Filter Fl&ying Ad" and
// "Add to &Filter...".
//
// Owned by the frame's filters; the views reach it as their page extensions. Windows are
// named by id: a script runs page code, which may close the window it runs in.
#pragma once

#include <string>

#include "platform/FrameWindow.h"
#include "view/PageExtensions.h"

namespace lumbrel {

class CMainFrame;

class PageCleanup : public NoPageExtensions {
public:
    explicit PageCleanup(CMainFrame& frame);

    // --- Preparing ---
    // The placeholder script for the current `BlankContent`, or none while `KillBlank` is off.
    void PrepareKillBlank();
    // Reads the floating-advertisement script. When the file is missing, too short or holds no
    // usable script both texts are emptied and `UseFlyingFilter` goes off before the box that
    // says so; false then.
    bool PrepareFlyingFilter();
    const std::string& KillBlankScript() const { return killBlankScript_; }
    const std::string& FlyingScript() const { return flyingScript_; }
    const std::string& FlyingLanguage() const { return flyingLanguage_; }

    // --- Running ---
    // Runs `script` in the page of window `id` if it still has a view with a window and a
    // document. The view's `lastButton` says "program script" while it runs, so that the one
    // window the script may open is allowed, and is reset afterwards if the window is still
    // there. A failure is shown on the status bar when `reportErrors`; true when it ran.
    bool RunScriptInView(const std::string& script, const std::string& language, ChildId id,
                         bool reportErrors = true);
    void ApplyFlyingFilter(ChildId id);
    void ApplyKillBlank(ChildId id);
    void ReloadUnshownImages(ChildId id);

    // --- PageExtensions ---
    void ReloadUnshownImages(CChildFrame& child) override;
    void FilterLoadedPage(CChildFrame& child, bool floatingAds, bool cleanUp) override;

    // --- Commands ---
    // "Enable Filter Fl&ying Ad": toggles `UseFlyingFilter`; on, the script is prepared and
    // run in the active window.
    void ToggleFlyingFilter();
    // The floating-advertisement filter came on (this command or the master switch).
    void FlyingFilterCameOn();
    // "Add to &Filter...": asks for an address (proposing the last one) and adds it to the
    // content list, which the lists' writer then saves.
    void AddToFilter();
    // What "Add to &Filter..." proposes next (an image's address from the drag menu).
    void ProposeForFilter(std::string address) { lastFilterProposal_ = std::move(address); }
    const std::string& FilterProposal() const { return lastFilterProposal_; }

    // --- The engine's boxes (true: the engine shows nothing) ---
    bool OnScriptError();
    bool OnPageMessage(const std::string& messageText);

private:
    CMainFrame& frame_;
    std::string killBlankScript_;
    std::string flyingScript_;
    std::string flyingLanguage_;
    std::string lastFilterProposal_;
};

}  // namespace lumbrel
