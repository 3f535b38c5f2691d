// What the search rules need of the main frame's widgets and windows: the keyword box and its
// drop-down, the address box, the active page, the status bar, new windows and posted
// commands. The main frame implements it over its ports; tests use a recording fake.
#pragma once

#include <cstddef>
#include <string>

#include "platform/PageText.h"

namespace lumbrel {

struct FindState;

class SearchBarHost {
public:
    virtual ~SearchBarHost() = default;

    // Keyword box and its drop-down list.
    virtual std::string KeywordBoxText() = 0;
    virtual void SetKeywordBoxText(const std::string& text) = 0;
    virtual bool KeywordBoxHasFocus() = 0;
    virtual void FocusKeywordBox() = 0;
    virtual void InsertKeywordItem(size_t position, const std::string& text) = 0;
    virtual void RemoveKeywordItem(size_t position) = 0;
    virtual void SelectKeywordItem(size_t position) = 0;
    virtual void ClearKeywordItems() = 0;

    virtual std::string AddressBoxText() = 0;

    // The active window: its page text (null when none or no document), its find state (null
    // when there is no window), its selected text; the focus to its page when it has a
    // document.
    virtual PageText* ActivePageText() = 0;
    virtual FindState* ActiveFindState() = 0;
    virtual std::string ActiveSelectedText() = 0;
    virtual void FocusActivePage() = 0;

    // A new browser window for `url`, through the frame's new-window operation.
    virtual void OpenInNewWindow(const std::string& url) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // Runs command `id` after the current handler returns.
    virtual void PostCommand(int id) = 0;
    // The engine buttons, the image list and the band's width from the engine list.
    virtual void RebuildSearchBar() = 0;
};

}  // namespace lumbrel
