// A recording MouseViewHost: every call the mouse rules make of the view is one line of `log`,
// so a test reads what the user would have seen happen, in order.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "mouse/MouseViewHost.h"

namespace lumbrel::test {

class FakeMouseHost : public MouseViewHost {
public:
    std::string log;  // "capture release rup(10,20) cmd32935 "
    bool captured = false;
    PagePoint cursor;
    std::map<std::pair<int, int>, std::string> links;  // link addresses under points
    bool outsideView = false;  // the window under any point belongs to another program
    bool keepsClickRecord = false;
    bool closing = false;
    std::string status;
    int scrolledX = 0, scrolledY = 0;

    void CaptureMouse() override {
        captured = true;
        log += "capture ";
    }
    void ReleaseMouse() override {
        captured = false;
        log += "release ";
    }
    std::optional<WindowAtPoint> WindowAt(PagePoint) override {
        return WindowAtPoint{outsideView ? 2u : 1u, !outsideView};
    }
    void PostRightUp(const WindowAtPoint& window, PagePoint point, uint16_t keyState) override {
        log += "rup" + std::to_string(window.window) + "(" + std::to_string(point.x) + "," +
               std::to_string(point.y) + ")k" + std::to_string(keyState) + " ";
    }
    void PostLeftClick(PagePoint point) override {
        log += "lclick(" + std::to_string(point.x) + "," + std::to_string(point.y) + ") ";
    }
    PagePoint CursorInView() override { return cursor; }
    std::string LinkAt(PagePoint point) override {
        const auto it = links.find({point.x, point.y});
        return it == links.end() ? std::string() : it->second;
    }
    void ScrollPage(int dx, int dy) override {
        scrolledX += dx;
        scrolledY += dy;
    }
    void SetPendingOpenMode(int mode) override { log += "mode" + std::to_string(mode) + " "; }
    void PostCommand(int id) override { log += "cmd" + std::to_string(id) + " "; }
    void ShowStatus(const std::string& text) override { status = text; }
    bool KeepsClickRecord() override { return keepsClickRecord; }
    bool Closing() override { return closing; }
};

}  // namespace lumbrel::test
