// Addresses that open in another program instead of a browser window: ftp addresses for the
// configured ftp program, and local folders for the shell. Used for every address the user
// asks a window for and for navigations a view hands off.
//
// An address reaches the other program as one quoted argument, and an address that could
// break out of its quotes (a quote or a control character) is never handed over. A folder is
// handed to the shell only when it exists as a folder: a name without an extension may be a
// program, and "shell:" items are not folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

class CBrowserApp;

// "ftp://…" or "ftp.…".
bool IsFtpAddress(std::string_view url);

// `url` in double quotes as one command-line argument; nothing when it holds a double quote
// or a control character.
std::optional<std::string> QuotedArgument(std::string_view url);

// The local path a "file:" URL, a UNC path or a drive path names ("file:///C:/a%20b" →
// "C:\a b", "file://server/share" → "\\server\share"); nothing for any other address.
std::optional<std::string> LocalPathOf(const CodePage& cp, std::string_view url);

class ExternalHandOff {
public:
    explicit ExternalHandOff(CBrowserApp& app) : app_(app) {}

    enum class Result {
        NotTaken,  // no ftp program is set up for it: the address stays with the caller
        Taken,     // the program was started, or told the user why it could not be
        Refused,   // an unsafe address: nothing was started and nothing is to be navigated
    };
    // Gives an ftp address to the program `FtpOpenType` names: 1 the system's browser, 2
    // `FtpExePath` (the address made "ftp://…"). A program that fails to start shows "Open
    // Ftp URL error !".
    Result OpenFtp(const std::string& url);
    // Opens `url` in the shell when `OpenFolderOut` is on and it names an existing folder.
    // Without `networkPaths` a UNC path is not even looked at: asking whether it exists
    // already connects to the server it names.
    bool OpenFolder(const std::string& url, bool networkPaths = true);

private:
    CBrowserApp& app_;
};

}  // namespace lumbrel
