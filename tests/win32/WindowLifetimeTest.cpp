// A window destroyed from inside one of its own handlers (a prompt there runs a message loop
// and the window's close arrives in it) must outlive that handler: the object hears that it is
// gone only once the handler returned, and a late default handling finds no window.
#include "win32/ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumbrel::win32 {
namespace {

constexpr UINT kDestroyInside = WM_APP + 7;
constexpr char kClassName[] = "LumbrelLifetimeTestWindow";

struct Log {
    std::vector<std::string> events;
    bool inHandler = false;
};

class SelfDeletingWindow final : public Window {
public:
    explicit SelfDeletingWindow(Log& log) : log_(log) {}

    bool Create() {
        if (!RegisterClassOnce(kClassName, 0, nullptr, nullptr))
            return false;
        return CreateWindowExA(0, kClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), this) != nullptr;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kDestroyInside)
            return Default(message, wParam, lParam);
        log_.inHandler = true;
        DestroyWindow(hwnd_);  // as a close delivered inside a prompt would
        log_.events.push_back(hwnd_ ? "handler sees a window" : "handler sees no window");
        const LRESULT late = Default(message, wParam, lParam);
        log_.events.push_back("handler ends with " + std::to_string(late));
        log_.inHandler = false;
        return 42;
    }
    void OnDestroyed() override {
        log_.events.push_back(log_.inHandler ? "deleted inside the handler"
                                             : "deleted after the handler");
        delete this;
    }

private:
    Log& log_;
};

TEST(WindowLifetime, AWindowDestroyedInsideItsOwnHandlerIsDeletedAfterIt) {
    Log log;
    auto* window = new SelfDeletingWindow(log);
    ASSERT_TRUE(window->Create());
    const HWND hwnd = window->Handle();
    EXPECT_EQ(SendMessageA(hwnd, kDestroyInside, 0, 0), 42);
    EXPECT_FALSE(IsWindow(hwnd));
    const std::vector<std::string> expected = {"handler sees no window", "handler ends with 0",
                                               "deleted after the handler"};
    EXPECT_EQ(log.events, expected);
}

TEST(WindowLifetime, AWindowDestroyedFromOutsideIsDeletedAtOnce) {
    Log log;
    auto* window = new SelfDeletingWindow(log);
    ASSERT_TRUE(window->Create());
    DestroyWindow(window->Handle());
    const std::vector<std::string> expected = {"deleted after the handler"};
    EXPECT_EQ(log.events, expected);
}

}  // namespace
}  // namespace lumbrel::win32
