// The program's general input box (dialog "Input") as a model: a prompt, one text or address
// to edit, "&OK", "&Cancel", "&Copy Selected" and "&Up URL". Text that is no address puts the
// box into text mode, where "&Up URL" reads "Save" and writes the text to a file. The binding
// shows the dialog and asks this model what each button does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace lumbrel {

class DialogInput {
public:
    // The longest file name proposed by "Save", in bytes: the file dialog's buffer holds a
    // whole path, and the folder takes its share of it.
    static constexpr size_t kMaxProposedName = 200;

    // `openButton`: the OK button reads "Open" (string 61288).
    DialogInput(std::string prompt, std::string text, bool openButton);

    const std::string& Prompt() const { return prompt_; }
    const std::string& Text() const { return text_; }
    bool OpenButton() const { return openButton_; }
    // Decided once, from the text the box opened with.
    bool TextMode() const { return textMode_; }

    // "&Up URL" in address mode: the field's next text, or nothing when it stays.
    std::optional<std::string> UpUrl(const std::string& field) const;

    // "Save" in text mode: the file name proposed for `field` (nothing to save when empty):
    // the text up to its first character a file name cannot hold, the whole text when it has
    // none, the whole text cleaned when the very first character is one; at most
    // kMaxProposedName bytes, cut between characters.
    static std::string ProposedFileName(const CodePage& cp, std::string_view field);
    // Writes `field` to `path` as one replacement of the file: the old file stays whole when
    // the write fails. True when written; the box then closes as cancelled, otherwise it stays
    // open and the user is told.
    static bool SaveText(FileSystem& fs, const std::string& path, std::string_view field);

    // "&Copy Selected": the selected part of the field [start, end), or the whole field when
    // nothing is selected; the box then closes as cancelled.
    static std::string CopiedText(std::string_view field, size_t start, size_t end);

private:
    std::string prompt_;
    std::string text_;
    bool openButton_;
    bool textMode_;
};

}  // namespace lumbrel
