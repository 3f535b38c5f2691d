// What follows when a browser window becomes the active one (MDI activation): the password of
// a protected window, the focus of its page, the caption, the address box, the tab selection
// and its tab image, the status bar. Also the selection of a tab by the user, which activates
// its window (a protected one after the tab control is done, by a posted message).
#pragma once

#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;

class WindowActivation {
public:
    explicit WindowActivation(CMainFrame& frame) : frame_(frame) {}

    void OnChildActivate(ChildId id, bool active);
    // UM_TAB_SELECTED: the user selected a tab.
    void OnTabSelected();
    // UM_ACTIVATE_CHILD: the deferred activation of a protected window's tab.
    void OnActivateChildMessage(ChildId id);

private:
    CMainFrame& frame_;
    // The window whose activation ran last: it is not asked for its password again.
    ChildId lastActivated_ = kNoChild;
};

}  // namespace lumbrel
