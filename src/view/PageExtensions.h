// What other parts of the program do with a window's navigations and finished pages: the
// download manager takes the files it watches for, the external tools marked to run on every
// page run, images that did not show are loaded again, and the content filters clean up a
// loaded page. The view decides when (its own settings and state); each part decides what.
//
// FIXME: download manager and external tools — each implements its part of this (the page
// clean-up of the frame's filters does the images and the content filters). Until they do,
// NoPageExtensions takes no download and runs no tool.
#pragma once

#include <string>

namespace lumbrel {

class CChildFrame;

// Every call may run the message loop (a box, a page script), after which the window may be
// gone: callers look it up again by its id.
class PageExtensions {
public:
    virtual ~PageExtensions() = default;
    // A navigation of `child`'s page; true when the download manager took the address (the
    // navigation is then cancelled). May show a box, during which the window may close.
    virtual bool TakeDownload(CChildFrame& child, const std::string& url) = 0;
    // The tools marked to run automatically, for the page `child` finished loading.
    virtual void RunAutoTools(CChildFrame& child) = 0;
    // Loads the images of `child`'s page again that did not show.
    virtual void ReloadUnshownImages(CChildFrame& child) = 0;
    // The engine's end of loading: the floating-advertisement filter and the page clean-up.
    virtual void FilterLoadedPage(CChildFrame& child, bool floatingAds, bool cleanUp) = 0;
};

class NoPageExtensions : public PageExtensions {
public:
    bool TakeDownload(CChildFrame&, const std::string&) override { return false; }
    void RunAutoTools(CChildFrame&) override {}
    void ReloadUnshownImages(CChildFrame&) override {}
    void FilterLoadedPage(CChildFrame&, bool, bool) override {}
};

}  // namespace lumbrel
