// The popup filter of the main frame: what the views ask before a page may open a window,
// when a window navigates and when its page is complete, and what the namespace handler asks
// about a script dialog. It refuses automatic windows (a page's request that no click of the
// user explains), closes windows whose address is on the popup list and windows a page opened
// on an address another tab shows, empties listed script dialogs, counts and logs what it
// refused, and runs "Add to Popup Filter...".
//
// Everything it decides inside an engine event is decided without a question: a window that
// needs one lives until the user answered it from a posted message, and every window is
// looked up again by its id after a dialog. Owned by the frame's filters; tells the views
// through CQuorralView, the lists through UrlFilter (saved at once), the log through the
// collector function.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "filter/AutoPopupRule.h"
#include "filter/DialogKills.h"
#include "filter/PopupConfirmation.h"
#include "filter/UrlFilter.h"
#include "platform/FilterDialogs.h"
#include "platform/FrameWindow.h"
#include "view/PopupChecks.h"

namespace lumbrel {

class CMainFrame;

// The kinds of refused windows in the log; the number is the log kind.
enum class FilterEvent : int { AutoPopup = 0, UserList = 2, Dialog = 3 };

// The collector's output kind of a popup filter line.
inline constexpr int kCollectorFilterKind = 11;

class PopupFilter : public PopupChecks {
public:
    using Collect = std::function<void(const std::string& text, int kind)>;

    PopupFilter(CMainFrame& frame, UrlFilter& filter, Collect collect);
    PopupFilter(const PopupFilter&) = delete;
    PopupFilter& operator=(const PopupFilter&) = delete;

    // --- Ports ---
    // The dialogs and the sound; null: no sound, and a question is answered "keep".
    void SetDialogs(FilterDialogs* dialogs) { dialogs_.target = dialogs; }

    // --- PopupChecks ---
    NewWindowVerdict OnNewWindow(CQuorralView& opener) override;
    // A page navigated: a dialog emptied before it whose window never came is not waited for
    // any more, or it would close the next page's own dialog.
    void OnPageNavigation(CQuorralView&) override { dialogKills_.Navigated(); }
    bool CheckNavigation(CQuorralView& view, const std::string& url,
                         const std::string& normalizedUrl) override;
    bool CheckCompleted(CQuorralView& view, const std::string& url) override;

    // --- The dialog filter ---
    // A script dialog asks for its content at `url` (the request side already checked the
    // bind flags and the exceptions); true empties it, counted and logged, and its window is
    // expected.
    bool FilterDialog(const std::string& url);
    // The emptied dialogs whose windows are awaited.
    DialogKills& PendingDialogKills() { return dialogKills_; }
    // The frame lost activation to a window (`ownedByFrame`: it exists and the frame is its
    // parent) with `caption`: true when it is an emptied dialog's window, which the caller
    // hides and closes before it calls RefocusPage.
    bool OnFrameDeactivated(bool ownedByFrame, std::string_view caption);
    // Gives the keyboard focus back to the active window's page, unless it is blank.
    void RefocusPage();

    // --- Questions put off ---
    // The message posted for a question: asks the oldest one.
    void OnConfirmPosted();
    int QuestionsWaiting() const { return static_cast<int>(questions_.size()); }

    // --- Commands ---
    // "Add to Popup Filter..." for the window `id`: asks with its address, adds the edited
    // text to the popup list (saved at once) and closes the window when asked to.
    void AddToPopupFilter(ChildId id);

    // --- The log ---
    // Counts a refused window and hands its line to the collector.
    void RecordFilterEvent(const std::string& url, FilterEvent kind);
    int PopupFilteredCount() const { return popupFilteredCount_; }

private:
    // The dialogs as set, or none.
    struct SwitchableDialogs : FilterDialogs {
        FilterDialogs* target = nullptr;
        PopupConfirmAnswer ConfirmPopup(const std::string& url) override;
        PopupAddAnswer AddToPopupFilter(const std::string& url) override;
        void PlaySoundAsync(const std::string& path) override;
    };
    // A question about a window (`child`) or a script dialog (kNoChild) put off.
    struct Question {
        ChildId child = kNoChild;
        std::string url;
    };

    AutoPopupSettings AutoSettings();
    PopupConfirmation::Verdict Confirm(const std::string& url, bool ask);
    void AskLater(ChildId child, const std::string& url);
    bool KillDuplicate(CQuorralView& view, const std::string& url, const std::string& normalized);
    std::string LinkAt(CQuorralView& view, const PagePoint& point);

    CMainFrame& frame_;
    UrlFilter& filter_;
    Collect collect_;
    SwitchableDialogs dialogs_;
    PopupConfirmation confirmation_;
    DialogKills dialogKills_;
    std::deque<Question> questions_;
    bool asking_ = false;
    int popupFilteredCount_ = 0;
};

}  // namespace lumbrel
