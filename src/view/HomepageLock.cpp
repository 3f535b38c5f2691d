#include "view/HomepageLock.h"

namespace lumbrel {
namespace {

constexpr const char* kEngineMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kStartPage = "Start Page";

}  // namespace

std::optional<std::string> HomepageLock::Current() {
    return registry_.ReadString(RegRoot::CurrentUser, kEngineMainKey, kStartPage);
}

void HomepageLock::Record() {
    recorded_ = Current();
}

void HomepageLock::Enforce() {
    if (!recorded_)
        return;
    const std::optional<std::string> current = Current();
    if (current == recorded_)
        return;
    if (current == "about:blank")
        recorded_ = current;
    else
        registry_.WriteString(RegRoot::CurrentUser, kEngineMainKey, kStartPage, *recorded_);
}

}  // namespace lumbrel
