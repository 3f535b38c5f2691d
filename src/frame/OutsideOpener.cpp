#include "frame/OutsideOpener.h"

#include "app/CBrowserApp.h"
#include "view/ExternalHandOff.h"

namespace lumbrel {
namespace {

// Longest expansion of environment variables in an address (a path's length); a longer one is
// not used at all, since a cut path names another file or folder.
constexpr size_t kMaxExpandedUrl = 260;

}  // namespace

bool OutsideOpener::Take(std::string& url) {
    // FIXME: the download manager's monitored types are checked here once it exists.
    ExternalHandOff handOff(app_);
    if (IsFtpAddress(url) && handOff.OpenFtp(url) != ExternalHandOff::Result::NotTaken)
        return true;

    if (url.starts_with("%")) {
        std::string expanded = app_.Ports().environment.ExpandVariables(url, kMaxExpandedUrl + 1);
        if (expanded.size() < kMaxExpandedUrl)
            url = std::move(expanded);
    } else if (url.starts_with(".\\"))
        url = app_.Directories().program + url.substr(2);
    return handOff.OpenFolder(url);
}

}  // namespace lumbrel
