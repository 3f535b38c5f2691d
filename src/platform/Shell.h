// The shell: starting documents and programs, shortcut files and the clipboard.
#pragma once

#include <optional>
#include <string>

namespace lumbrel {

// The system folders the program asks the shell for.
enum class SystemFolder {
    Favorites,  // the user's Favorites folder (CSIDL_FAVORITES)
    Windows,    // the Windows directory
};

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecute with `verb` ("open"); false when it fails.
    virtual bool Execute(const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory) = 0;
    // The target of a shell link (".lnk"); nothing when it cannot be resolved.
    virtual std::optional<std::string> ResolveLink(const std::string& path) = 0;
    virtual std::string ClipboardText() = 0;
    // Puts `text` on the clipboard as its only content; false when the clipboard refused.
    virtual bool SetClipboardText(const std::string& text) = 0;
    // The path of a system folder, without a closing backslash; nothing when the shell
    // cannot give it.
    virtual std::optional<std::string> FolderPath(SystemFolder folder) = 0;
};

}  // namespace lumbrel
