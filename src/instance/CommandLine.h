// The program's command line, read once at start-up: the page to open (a file name or URL),
// the OLE switches "Embedding" and "Automation", and the server switches "RegServer" and
// "UnregServer". `CBrowserApp` start-up decides the instance role and the COM module's work
// from it; nothing else reads the raw command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace lumbrel {

enum class ShellCommand { New, Open };

struct CommandLineInfo {
    bool embedding = false;
    bool automation = false;
    // At most one of the two: the first server switch on the line wins.
    bool regServer = false;
    bool unregServer = false;
    // Open when a file name or URL was given.
    ShellCommand command = ShellCommand::New;
    std::string fileName;
};

// Splits a raw command line into arguments as the C runtime builds argv (msvcrt's rules, the
// runtime of programs of this kind): the program name first, ending at the next quote when it
// starts with one, else at a blank; then blank-separated arguments where 2n backslashes before
// a quote give n backslashes and toggle quoting, 2n+1 give n and a literal quote, other
// backslashes are literal, and "" inside quotes gives a literal quote and ends the quoting.
// Double-byte characters of the ANSI code page are copied whole, so a trail byte that looks
// like a backslash escapes nothing. The line ends at its first NUL.
std::vector<std::string> SplitCommandLine(const CodePage& cp, std::string_view raw);

// Reads the whole command line (program name included). Arguments starting with "-" or "/"
// are switches, compared without regard to case; the first non-empty other argument is the
// file name or URL and makes the command Open; later ones are ignored. The server switches
// are found by the scan of the raw line that the COM server start does: a word of the line
// after the program name that starts with "-" or "/".
CommandLineInfo ParseCommandLine(const CodePage& cp, std::string_view raw);

// The file or URL of the command line as another process can open it: a relative path that
// names a file or folder in `currentFolder` (this process's) becomes that full path, so that
// a running browser handed the argument does not look for it in its own folder. URLs, full
// paths and texts that name nothing there come back as they are.
std::string AbsoluteFileArgument(const CodePage& cp, FileSystem& fs, const std::string& argument,
                                 const std::string& currentFolder);

}  // namespace lumbrel
