#include "support/FakeBrowser.h"

namespace lumbrel::test {
namespace {

int kTopFrame;

}  // namespace

bool FakeBrowser::RaiseBeforeNavigate(const std::string& url) {
    BeforeNavigateArgs args;
    args.url = url;
    args.frame = &kTopFrame;
    args.topLevel = true;
    bool cancel = false;
    events_.OnBeforeNavigate2(args, cancel);
    lastNavigationCancelled = cancel;
    return cancel;
}

void FakeBrowser::RaiseLoaded(const std::string& url) {
    location = url;
    events_.OnNavigateComplete2(url, &kTopFrame, true);
    events_.OnDocumentComplete(url, &kTopFrame, true);
}

bool FakeBrowser::Navigate2(const std::string& url, int32_t, const std::string&, const std::string&,
                            const std::string&) {
    navigations.push_back(url);
    if (autoNavigate && !RaiseBeforeNavigate(url))
        location = url;
    return true;
}

bool FakeBrowser::GoHome() {
    navigations.push_back("home");
    if (autoNavigate && !RaiseBeforeNavigate("http://home.example/"))
        location = "http://home.example/";
    return true;
}

}  // namespace lumbrel::test
