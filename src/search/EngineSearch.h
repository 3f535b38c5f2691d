// The addresses a search engine's template gives for a keyword: the one place where a
// template list ("url1|url2") is split and the keyword encoded for each template. Every
// search that starts from an engine goes through it, so a list never reaches the engine as
// one address with "|" inside.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace lumbrel {

// The templates of an engine entry: the whole trimmed text when it holds no "|", otherwise
// each trimmed piece between bars that is longer than 2 characters.
std::vector<std::string> SplitEngineTemplates(const CodePage& cp, std::string_view templates);

// One address per template: "%u" takes the keyword as UTF-8, percent-encoded; otherwise "%s"
// takes the keyword's bytes in the system code page, percent-encoded. Every occurrence is
// replaced.
std::vector<std::string> EngineSearchUrls(const CodePage& cp, std::string_view templates,
                                          std::string_view keyword);

}  // namespace lumbrel
