// Helpers for tests that need an active language file: language files have CRLF line ends,
// which are easier to write in a test as "\n".
#pragma once

#include <string>
#include <string_view>

#include "language/Language.h"
#include "support/FakeFileSystem.h"

namespace lumbrel::test {

// Every "\n" of `lines` written as "\r\n".
std::string Crlf(std::string_view lines);

// Puts `content` at a language file path of `fs` and makes it the active language of
// `language` (mode 1, loaded).
void UseLanguageFile(Language& language, FakeFileSystem& fs, const std::string& content);

}  // namespace lumbrel::test
