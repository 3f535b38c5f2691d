// What asks for a browser window says, in one value, how it wants it: create or reuse, what
// to load, whether to bring it to the front and where its tab goes. Nothing about a single
// request is passed by changing a user preference for the length of a call.
#pragma once

#include <string>

#include "platform/FrameWindow.h"

namespace lumbrel {

// `NewChild` modes: 0 always create, without navigating (the engine fills the window), 1 create
// or reuse an idle blank window and navigate, 2 always create and navigate.
enum class ChildMode { NoNavigation = 0, ReuseOrCreate = 1, Create = 2 };
// The first navigation: 1 the home page, 2 the request's URL, anything else the blank page.
enum class NavKind { Blank = 0, Home = 1, Url = 2 };
// Where the window's tab goes once its first navigation begins.
enum class TabPlacement {
    ByNewSequence,  // the user's `NewSequence` rule
    End,            // appended: batches and restored sessions keep their order
};

struct NewChildRequest {
    ChildMode mode = ChildMode::ReuseOrCreate;
    NavKind kind = NavKind::Url;
    std::string url;
    // The window whose page caused the opening; its settings are inherited.
    ChildId source = kNoChild;
    // Show and activate the new window.
    bool activate = false;
    TabPlacement placement = TabPlacement::ByNewSequence;
    // Download-control flags fixed for the window (a favorite's "Property", a group
    // member's); -1 leaves the window's own.
    int downloadFlags = -1;
    // Open-flag bits (foreground 2, background 4, other side 8) set before the first
    // navigation: they place the tab, and a background window is never made the active one.
    int openFlags = 0;

    static NewChildRequest Url(std::string url, bool activate = false) {
        NewChildRequest request;
        request.url = std::move(url);
        request.activate = activate;
        return request;
    }
};

}  // namespace lumbrel
