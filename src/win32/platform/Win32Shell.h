// The Shell port: ShellExecute, shell links and the clipboard's text.
#pragma once

#include "platform/Shell.h"

namespace lumbrel::win32 {

class Win32Shell : public Shell {
public:
    bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory) override;
    // Needs COM initialised on the calling thread.
    std::optional<std::string> ResolveLink(const std::string& path) override;
    std::string ClipboardText() override;
    bool SetClipboardText(const std::string& text) override;
    std::optional<std::string> FolderPath(SystemFolder folder) override;
};

}  // namespace lumbrel::win32
