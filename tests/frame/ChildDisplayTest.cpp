// How a browser window is drawn and sized under each display mode of the frame's windows: the
// binding asks before it paints a window's frame or passes a resize on to the page.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;
using SizeCommand = ChildWindowEvents::SizeCommand;

TEST(ChildDisplay, MaximisedWindowsPaintNoFrameAndPassOnlyTheirMaximisedSize) {
    FrameHarness h("PageMax=1\r\n");
    CChildFrame* a = h.Open("http://a.example/", true);
    CChildFrame* b = h.Open("http://b.example/");
    for (CChildFrame* child : {a, b}) {
        ChildWindowEvents& events = h.WindowOf(child).events;
        EXPECT_FALSE(events.PaintsFrame());
        EXPECT_FALSE(events.PassesResize(false)) << "the brief restore of a switch";
        EXPECT_TRUE(events.PassesResize(true)) << "the frame's client area changed";
    }
}

TEST(ChildDisplay, AWindowTheUserRestoresIsDrawnAndSizedAgain) {
    FrameHarness h("PageMax=1\r\n");
    ChildWindowEvents& events = h.WindowOf(h.Open("http://a.example/", true)).events;
    // The size command arrives before the window changes size.
    events.OnSizeCommand(SizeCommand::Restore);
    EXPECT_TRUE(events.PaintsFrame());
    EXPECT_TRUE(events.PassesResize(false));
    events.OnSizeCommand(SizeCommand::Maximize);
    EXPECT_FALSE(events.PaintsFrame());
    EXPECT_FALSE(events.PassesResize(false));
    events.OnSizeCommand(SizeCommand::Minimize);
    EXPECT_TRUE(events.PaintsFrame());
    EXPECT_TRUE(events.PassesResize(false));
}

TEST(ChildDisplay, NormalAndArrangedWindowsAreDrawnAndSizedAsAnyWindow) {
    FrameHarness normal("PageMax=0\r\n");
    ChildWindowEvents& events = normal.WindowOf(normal.Open("http://a.example/", true)).events;
    EXPECT_TRUE(events.PaintsFrame());
    EXPECT_TRUE(events.PassesResize(false));

    FrameHarness arranged("PageMax=1\r\n");
    ChildWindowEvents& tiled = arranged.WindowOf(arranged.Open("http://a.example/", true)).events;
    arranged.Command(IDM_WINDOW_TILE_HORZ);
    EXPECT_TRUE(tiled.PaintsFrame());
    EXPECT_TRUE(tiled.PassesResize(false));
}

}  // namespace
}  // namespace lumbrel
