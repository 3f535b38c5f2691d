// The small text rules of the browser view: how an address is normalised, which navigation is
// a jump within the page, which status texts a page may show, whether a page was sent over a
// privacy protocol, where an engine error page came from, and how progress maps to a tab
// image. Free of any window or engine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// A drive path ("C:\dir\a.htm") becomes "file:///C:/dir/a.htm"; any other address stays.
std::string NormalizeLocalUrl(const CodePage& cp, std::string_view url);

// Whether `url` only jumps to an anchor of the page at `lastUrl`: it holds a "#" and the part
// before it is the address of that page (without the page's own anchor).
bool IsJumpWithinPage(std::string_view url, std::string_view lastUrl);

// Whether a page's status text passes the `DisScrollText` filter: the engine's own texts
// (shortcuts, "Done", addresses, waiting and loading texts, in English and Chinese) pass,
// texts a page script scrolls there do not.
bool PassesScrollTextFilter(std::string_view text);

// Whether a document's protocol text names HTTPS with a privacy protocol, in English or in the
// Chinese texts of the engine (GBK "私人验证", Big5 "保密").
bool IsPrivacyProtocol(std::string_view protocol);

// The address an engine error page ("res://…/dnserror.htm#http://site/") stands for: the text
// after its first "#" (when "#" is not the first character), with a "file:" address made a
// proper "file:///" URL with forward slashes. Without "#" the text itself. Nothing when the
// text after "#" is not an http, https, ftp or file address: what follows "#" is the page's
// to choose, and a script address there would run in whatever page the window shows.
std::optional<std::string> ErrorPageTarget(std::string_view errorPageUrl);

// Whether the engine has shown its cancel page for `killedUrl` (or the address itself): the
// sign that a window judged a popup may go.
bool IsCancelPageFor(std::string_view location, std::string_view killedUrl);

// The load progress in percent from ProgressChange: 0..100, or `kProgressIdle` when the engine
// reports nothing measurable (maximum 0 or less, a negative value, a maximum below 100).
int ProgressPercent(int32_t progress, int32_t progressMax);

// The loading image for a progress of 0..100: 1, 2 or 3.
int LoadingImage(int progress);

}  // namespace lumbrel
