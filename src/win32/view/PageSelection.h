// What the user selected in a page: the text, and the links that lie inside the selection.
// Both read the engine's document; a page without a document or selection gives nothing.
#pragma once

#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "win32/platform/WinApi.h"

#include <exdisp.h>

namespace lumbrel::win32 {

std::string SelectedText(IWebBrowser2& browser, const CodePage& codePage);
std::vector<std::string> SelectedLinks(IWebBrowser2& browser, const CodePage& codePage);

}  // namespace lumbrel::win32
