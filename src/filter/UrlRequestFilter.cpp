#include "filter/UrlRequestFilter.h"

#include "base/DbcsText.h"

namespace lumbrel {

namespace {
constexpr char kBlankGifBytes[] =
    "\x47\x49\x46\x38\x39\x61\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x21\xf9\x04"
    "\x01\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x01\x44\x00\x3b";
}  // namespace

const std::string_view kBlankGif(kBlankGifBytes, sizeof(kBlankGifBytes) - 1);

RequestDecision UrlRequestFilter::Decide(std::string_view url, uint32_t bindFlags) {
    const std::string narrow(url);
    if (settings_.useDialogFilter && TakesDialog(narrow, bindFlags))
        return RequestDecision::Answer({});
    // While the lists are being rebuilt their compiled forms are not to be trusted.
    if (!settings_.useUrlFilter || lists_.urlListsDirty)
        return RequestDecision::UseDefault();
    const std::string lower = ToLowerAscii(cp_, narrow);
    if (!lists_.IsUrlBlocked(lower))
        return RequestDecision::UseDefault();
    if (settings_.outputSaveUrlFilter)
        host_.AddToCollector("Content Filter => " + lower, kCollectorUrlFilterKind);
    return RequestDecision::Answer(std::string(kBlankGif));
}

bool UrlRequestFilter::TakesDialog(const std::string& url, uint32_t bindFlags) {
    if (bindFlags != kDialogBindFlags)
        return false;
    // The page's own navigation is no dialog.
    if (FindSubstring(cp_, host_.LastNavigationUrl(), url) != std::string_view::npos)
        return false;
    // Behaviours and style sheets load like dialogs but are parts of the page.
    bool candidate = !lists_.InPopUnFilter(url) && !url.ends_with(".xsl") && !url.ends_with(".htc");
    if (settings_.notFilterClickDialog) {
        std::optional<double> sinceClick = host_.SecondsSinceSelectedClick();
        if (sinceClick && *sinceClick < settings_.popupBound)
            return false;
    }
    return candidate && host_.FilterDialog(url);
}

}  // namespace lumbrel
