// The language state of the application: which texts the user sees (the built-in English or
// a language file from the "Language\" folder) and the whole language file in memory.
//
// Owned by CBrowserApp for the life of the process; start-up and the language selection set
// the mode and call LngLoad. Everything that shows built-in text asks it: LngLoadString for
// strings, and the menu and dialog translators (MenuTranslator, DialogTranslator) through
// Find. A language file is searched with exact byte comparisons, never parsed as INI: a
// section is opened by the first line that begins, after blanks, with "[name]" and runs to
// the next line that begins with '['; keys must begin a line and be followed directly by "=",
// without blanks.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrel {

class CodePage;
class FileSystem;

class Language {
public:
    // Values of `UseLngFile` and of the mode.
    enum Mode : int {
        kBuiltIn = 0,    // built-in English texts
        kFile = 1,       // the language file is active
        kNotChosen = 2,  // first start: the user has not chosen yet
    };
    // Longest text taken from a language file, terminator included (511 characters).
    static constexpr size_t kTextCapacity = 512;

    // `codePage` lets escapes and cuts keep double-byte characters whole; null treats every
    // byte alone.
    explicit Language(const CodePage* codePage = nullptr);

    // --- State ---
    int GetMode() const { return mode_; }
    // Sets the mode only; call LngLoad afterwards to read or drop the file.
    void SetMode(int mode) { mode_ = mode; }
    const std::string& GetPath() const { return path_; }
    // True in mode 1 with a language file in memory: translations apply.
    bool IsActive() const;
    const CodePage* GetCodePage() const { return codePage_; }

    // The language file of `fileName` ("Deutsch.ini") below `programDir` (ending in "\").
    static std::string FilePath(std::string_view programDir, std::string_view fileName);

    // --- Loading ---
    // Drops the previous text and remembers `path`. In mode 1 reads the whole file; when it
    // is missing, unreadable or empty, switches to mode 0. Other modes read nothing.
    void LngLoad(FileSystem& fs, const std::string& path);

    // --- Lookups ---
    // The value of `key` in `section` cut to `capacity` - 1 bytes into `dest`, without
    // splitting a double-byte character; when missing, `def` (cut alike) or "". Returns the
    // number of bytes copied.
    size_t LngGetString(std::string_view section, std::string_view key,
                        std::optional<std::string_view> def, std::string& dest,
                        size_t capacity) const;

    // The value of `key` in `section`, cut to `capacity` - 1 characters, escapes untouched;
    // nothing when the key is missing or its value is empty (an empty translation would
    // blank the built-in text it stands for).
    std::optional<std::string> Find(std::string_view section, std::string_view key,
                                    size_t capacity = kTextCapacity) const;

    // The string `id`: its "StringTable" replacement with "\r" and "\n" escapes expanded
    // while a language file is active, else the built-in English text ("" when unknown).
    std::string LngLoadString(int id) const;

private:
    std::optional<std::string_view> Locate(std::string_view section, std::string_view key) const;

    const CodePage* codePage_;
    int mode_ = kBuiltIn;
    std::string path_;
    std::optional<std::string> text_;
};

}  // namespace lumbrel
