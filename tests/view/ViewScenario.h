// Shared steps of the view's scenario tests: a main frame over fakes with windows whose pages
// the fake engine loads, and clicks in a page.
#pragma once

#include <string>

#include "frame/CMainFrame.h"
#include "frame/WindowListRules.h"
#include "support/FrameHarness.h"

namespace lumbrel::test {

// A window opened for `url` whose page finished loading.
inline CChildFrame* LoadedWindow(FrameHarness& h, const std::string& url,
                                 const std::string& title = "", bool activate = true) {
    CChildFrame* child = h.Open(url, activate);
    if (child) {
        h.BrowserOf(child).FinishLoad(title);
        h.Pump();
    }
    return child;
}

// A left press in the page of `child`, `millisecondsAgo` before what the test does next.
inline void ClickInPage(FrameHarness& h, CChildFrame* child, uint32_t millisecondsAgo = 100) {
    h.BrowserOf(child).RaiseParentNotify(ChildNoticeKind::LeftPress, 0, 10, 20);
    h.platform.clock.Advance(millisecondsAgo);
}

// The tab texts in order, "|" between them.
inline std::string TabTexts(FrameHarness& h) {
    std::string texts;
    for (int i = 0; i < h.tabs.Count(); ++i)
        texts += (i ? "|" : "") + h.tabs.Text(i);
    return texts;
}

}  // namespace lumbrel::test
