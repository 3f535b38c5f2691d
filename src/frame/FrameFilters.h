// The filters as the main frame runs them. It owns the URL filter of the session (the four
// lists of "Filter.ini", their writer, the decision the namespace handler asks on every
// request and the handler's registration), answers what that decision asks of the frame, and
// runs the filter switches: "Enable Filter &Popup Ad Window", "Enable Filter &Dialog Ad
// Window", "Enable Filter Ad &Content" and the master "Enable Filter". Its page clean-up works
// inside the loaded pages.
//
// Made with the frame's parts; the deferred initialisation loads the lists, the exit waits
// for their writer and unregisters the handler.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "filter/PopupFilter.h"
#include "filter/UrlFilter.h"
#include "frame/FrameCommands.h"
#include "frame/PageCleanup.h"

namespace lumbrel {

class CMainFrame;

class FrameFilters : public RequestFilterHost {
public:
    explicit FrameFilters(CMainFrame& frame);
    ~FrameFilters();
    FrameFilters(const FrameFilters&) = delete;
    FrameFilters& operator=(const FrameFilters&) = delete;

    // --- Life cycle ---
    UrlFilter& Url() { return url_; }
    // The popup rules the views consult (installed as the frame's popup checks).
    PopupFilter& Popups() { return popup_; }
    // The popup filter's dialogs and sound; null: none.
    void SetDialogs(FilterDialogs* dialogs) { popup_.SetDialogs(dialogs); }
    // Where the filters' log lines go until the collector takes them; null: nowhere.
    void SetCollector(PopupFilter::Collect collect) { collect_ = std::move(collect); }
    PageCleanup& Cleanup() { return cleanup_; }
    // Reads "Filter.ini", compiles the lists and registers the handler while a filter needs it.
    void Load();
    // Waits for the lists' writer, then unregisters the handler.
    void Exit();
    // The switches and filter settings changed: the request decision takes them, and the
    // handler is registered or unregistered to match.
    void ApplySettings();

    // --- Commands ---
    void Run(int id);
    CommandState State(int id) const;

    // --- RequestFilterHost ---
    const std::string& LastNavigationUrl() override;
    std::optional<double> SecondsSinceSelectedClick() override;
    bool FilterDialog(const std::string& url) override;
    void AddToCollector(const std::string& text, int kind) override;

private:
    void ToggleMaster();

    CMainFrame& frame_;
    UrlFilter url_;
    PopupFilter::Collect collect_;
    PopupFilter popup_;
    PageCleanup cleanup_;
};

}  // namespace lumbrel
