// Decides that an address asking for a browser window opens outside one: a download for the
// download manager, an ftp address for the configured ftp program, a local folder for the
// shell. Environment variables and the ".\" program-folder prefix are expanded on the way.
#pragma once

#include <string>

#include "platform/CodePage.h"

namespace lumbrel {

class CBrowserApp;

class OutsideOpener {
public:
    explicit OutsideOpener(CBrowserApp& app) : app_(app) {}

    // True when the address was handed elsewhere; `url` may be rewritten (expanded) either way.
    bool Take(std::string& url);

    // Runs the configured ftp program on `url`; false when none is configured.
    bool OpenFtp(const std::string& url);

private:
    CBrowserApp& app_;
};

// A local place without a file extension (a folder) that the shell should open.
bool IsLocalFolderAddress(const CodePage& cp, const std::string& url);

}  // namespace lumbrel
