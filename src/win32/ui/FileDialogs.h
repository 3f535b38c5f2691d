// The system's file and folder pickers, as the program asks for them. Filters are written as
// in the string table: "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||". Each returns nothing
// when the user cancels.
#pragma once

#include "win32/platform/WinApi.h"

#include <optional>
#include <string>

namespace lumbrel::win32 {

// An existing file to open.
std::optional<std::string> PickFileToOpen(HWND owner, const std::string& filter,
                                          const std::string& start = {});
// A file to write: `proposed` is the name shown first; `extension` is added to a name typed
// without one; an existing file is written only after the user said so.
std::optional<std::string> PickFileToSave(HWND owner, const std::string& filter,
                                          const std::string& proposed,
                                          const char* extension = nullptr);
// A folder of the file system; `start` is selected first when it exists.
std::optional<std::string> PickFolder(HWND owner, const std::string& title,
                                      const std::string& start = {});

}  // namespace lumbrel::win32
