// The scripts the program runs inside loaded pages to clean them up: the placeholder script,
// which replaces frames, images and plug-ins whose address the content list blocks by the
// user's placeholder text, and the script that loads again the images that did not show.
// They are kept here as text, in the one form both the system's engine (an old JScript) and a
// standards DOM understand, and are tested by running them against real documents.
//
// While one runs, the page's own error handler is replaced by one that silences every error;
// the page's handler is put back when the script ends, whatever happened. The helpers live
// inside a function scope, so no page function or variable is replaced.
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// Language name every clean-up script is run with.
inline constexpr const char* kCleanupScriptLanguage = "JavaScript";

// The placeholder script with its marker "$AD" (inside single quotes) still in it.
std::string_view KillBlankTemplate();

// The placeholder script for `blankContent`: every "$AD" replaced by the text escaped for the
// single-quoted string around it, so that whatever the user typed ends up in the page exactly.
std::string KillBlankScript(const CodePage& cp, std::string_view blankContent);

// Reloads every image that is not complete or whose file size reads below 0.
std::string_view ReloadImagesScript();

}  // namespace lumbrel
