// What every view of the frame shares besides the frame's windows: the popup rules, the
// download manager, tools and content filters, the locked start page, the local network and
// the address of the latest navigation of any window, and whether every window scrolls.
#pragma once

#include <optional>
#include <string>

#include "platform/Registry.h"
#include "view/HomepageLock.h"
#include "view/PageExtensions.h"
#include "view/PopupChecks.h"
#include "view/UrlZone.h"

namespace lumbrel {

class ViewServices {
public:
    explicit ViewServices(Registry& registry) : homepage_(registry) {}

    // The popup rules the views consult; `checks` is not owned and outlives the frame, or
    // null for the rules that let every window open.
    PopupChecks& Popups() { return popups_ ? *popups_ : allowAllPopups_; }
    void SetPopupChecks(PopupChecks* checks) { popups_ = checks; }
    // The download manager, external tools and content filters as the views use them;
    // `extensions` is not owned and outlives the frame, or null for none.
    PageExtensions& Extensions() { return extensions_ ? *extensions_ : noExtensions_; }
    void SetPageExtensions(PageExtensions* extensions) { extensions_ = extensions; }
    // The engine's start page as it was at start-up (`LockHomepage`).
    HomepageLock& Homepage() { return homepage_; }
    // The first two numbers of the computer's own address: hosts under them are local.
    const std::optional<LanPrefix>& LocalNetwork() const { return localNetwork_; }
    void SetLocalNetwork(std::optional<LanPrefix> prefix) { localNetwork_ = prefix; }
    // The address of the latest navigation of any window.
    void RecordNavigation(const std::string& url) { lastNavigationUrl_ = url; }
    const std::string& LastNavigationUrl() const { return lastNavigationUrl_; }
    // "Auto Scroll All Windows": every view scrolls, whatever its own switch (not stored).
    bool ScrollAll() const { return scrollAll_; }
    void SetScrollAll(bool on) { scrollAll_ = on; }

private:
    AllowAllPopups allowAllPopups_;
    PopupChecks* popups_ = nullptr;
    NoPageExtensions noExtensions_;
    PageExtensions* extensions_ = nullptr;
    HomepageLock homepage_;
    std::optional<LanPrefix> localNetwork_;
    std::string lastNavigationUrl_;
    bool scrollAll_ = false;
};

}  // namespace lumbrel
