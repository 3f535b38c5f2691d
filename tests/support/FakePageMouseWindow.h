// The mouse side of a browser window in memory: the capture, the window under a point (the
// page's own unless the test moves another program there) and the clicks posted, in `posted`.
#pragma once

#include <string>

#include "platform/PageMouseWindow.h"

namespace lumbrel::test {

class FakePageMouseWindow : public PageMouseWindow {
public:
    bool captured = false;
    bool otherProgramUnderPoint = false;
    int cursorX = 0, cursorY = 0;
    std::string posted;  // "rup(10,20) lclick(3,4) "

    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    std::optional<WindowAtPoint> WindowAt(int, int) override {
        return WindowAtPoint{otherProgramUnderPoint ? 2u : 1u, !otherProgramUnderPoint};
    }
    void PostRightUp(const WindowAtPoint&, int x, int y, uint16_t) override {
        posted += "rup(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    }
    void PostLeftClick(int x, int y) override {
        posted += "lclick(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    }
    void CursorPosition(int& x, int& y) override {
        x = cursorX;
        y = cursorY;
    }
};

}  // namespace lumbrel::test
