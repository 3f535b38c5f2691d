// The list pages of the options dialog: the popup filter (CPopupDlg), the content filter
// (CUrlFilterProp), the gestures with the button actions, and the drag actions. Each hosts
// the model of its lists, made when the page is first shown, and on OK or Apply writes back
// only what changed: a second confirmation with nothing new (Apply, then OK) saves nothing.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "filter/FilterListPages.h"
#include "mouse/CGestureProp.h"
#include "mouse/CMouseProp.h"
#include "options/CSAPrefsSubDlg.h"

namespace lumbrel {

class CPopupDlg : public CSAPrefsSubDlg {
public:
    explicit CPopupDlg(const FilterLists& lists);
    PopupFilterListsPage& Lists() { return lists_; }
    Saved OnOK(OptionValues& values, OptionsHost& host) override;

private:
    PopupFilterListsPage lists_;
    std::vector<std::string> savedFilter_, savedUnFilter_;
};

class CUrlFilterProp : public CSAPrefsSubDlg {
public:
    CUrlFilterProp(const CodePage& cp, const FilterLists& lists);
    ContentFilterListsPage& Lists() { return lists_; }
    Saved OnOK(OptionValues& values, OptionsHost& host) override;

private:
    ContentFilterListsPage lists_;
    std::vector<std::string> savedFilter_, savedUnFilter_;
};

// "Gesture": the six button actions, the gesture table and "Show Mouse Gesture in Status Bar".
class GesturePage : public CSAPrefsSubDlg {
public:
    GesturePage(const OptionValues& values, OptionsHost& host);
    CGestureProp& Model() { return model_; }
    Saved OnOK(OptionValues& values, OptionsHost& host) override;

    // The working copy's mouse keys as the mouse code reads them, and back.
    static MouseSettings MouseFrom(const OptionValues& values);
    static void StoreMouse(const MouseSettings& settings, OptionValues& values);

private:
    CGestureProp model_;
};

// "Mouse Drag": one action per kind and direction, and "Simulate Drag Link as Shift+Click".
class MouseDragPage : public CSAPrefsSubDlg {
public:
    explicit MouseDragPage(const OptionValues& values);
    CMouseProp& Model() { return model_; }
    Saved OnOK(OptionValues& values, OptionsHost& host) override;

private:
    CMouseProp model_;
    const CMouseProp shown_;  // as the page showed the stored values
};

// "Download": a chosen manager must have a script, or none is chosen; the monitored types are
// kept in upper case, as downloads are matched against them.
class CDownProp : public CSAPrefsSubDlg {
public:
    explicit CDownProp(const OptionValues& values);
    Saved OnOK(OptionValues& values, OptionsHost& host) override;

private:
    int shownManager_;
};

}  // namespace lumbrel
