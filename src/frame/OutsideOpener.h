// Decides that an address asking for a browser window opens outside one: a download for the
// download manager, an ftp address for the configured ftp program, an existing local folder
// for the shell. Environment variables and the ".\" program-folder prefix are expanded on the
// way.
#pragma once

#include <string>

namespace lumbrel {

class CBrowserApp;

class OutsideOpener {
public:
    explicit OutsideOpener(CBrowserApp& app) : app_(app) {}

    // True when the address was handed elsewhere (or refused as unsafe to hand over); `url`
    // may be rewritten (expanded) either way.
    bool Take(std::string& url);

private:
    CBrowserApp& app_;
};

}  // namespace lumbrel
