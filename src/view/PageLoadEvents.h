// What a view does while its page loads: NavigateComplete2 (closing windows whose page was
// refused, the security of HTTPS pages), DocumentComplete (the end of the top document's load:
// address box, final tab image, start page lock, page settings of the finished page),
// TitleChange, ProgressChange (loading images, the end signal) and StatusTextChange.
//
// Made for one event. The top document is the control's own (`topLevel`); frames raise the
// same events about themselves first.
#pragma once

#include <string>

#include "platform/BrowserControl.h"

namespace lumbrel {

class CMainFrame;
class CQuorralView;

class PageLoadEvents {
public:
    explicit PageLoadEvents(CQuorralView& view);

    void NavigateComplete2(const std::string& url, FrameToken frame, bool topLevel);
    void DocumentComplete(const std::string& url, FrameToken frame, bool topLevel);
    void TitleChange(const std::string& text);
    void ProgressChange(int32_t progressNow, int32_t progressMax);
    void StatusTextChange(const std::string& text);

private:
    bool CloseIfRefused(const std::string& location);
    void CheckSecurity(const std::string& location);
    void ShowCompletedAddress(const std::string& url);
    // The tab image when a load is over: locked, protected or read for the active window;
    // unread for a background one when `unread` allows it.
    void ShowFinalImage(bool unread);
    void FinishedPageSettings();
    void MoveFocusAfterLoad();
    void PostTabLayoutForButtonTabs();

    CQuorralView& view_;
    CMainFrame& frame_;
};

}  // namespace lumbrel
