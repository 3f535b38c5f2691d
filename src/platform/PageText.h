// The page's text as find and highlight walk it: a range over the document body that moves
// from match to match. The Windows binding wraps IHTMLTxtRange; tests use a fake page whose
// text is a plain string.
#pragma once

#include <memory>
#include <string>

namespace lumbrel {

// findText flags, as the engine takes them.
enum TextFindFlags : int { kFindWholeWord = 2, kFindMatchCase = 4 };

class TextRange {
public:
    virtual ~TextRange() = default;
    // Moves the range onto the next match of `text` at or after its start; false (the range
    // unchanged) when there is none.
    virtual bool FindText(const std::string& text, int flags) = 0;
    virtual void Select() = 0;
    virtual void ScrollIntoView() = 0;
    // Makes the range empty at its end, so the next FindText starts after the match.
    virtual void CollapseToEnd() = 0;
    // execCommand on the range ("BackColor", "ForeColor"); an empty value removes the colour.
    virtual bool ExecCommand(const std::string& command, const std::string& value) = 0;
};

class PageText {
public:
    virtual ~PageText() = default;
    // A fresh range over the whole body; null when the page has no document or no body.
    virtual std::unique_ptr<TextRange> BodyRange() = 0;
};

}  // namespace lumbrel
