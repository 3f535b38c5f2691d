// Records what the program asks the shell to start; shortcut targets and the clipboard text
// are set by the test.
#pragma once

#include <map>
#include <vector>

#include "platform/Shell.h"

namespace lumbrel::test {

class FakeShell : public Shell {
public:
    struct Execution {
        std::string verb, file, parameters, directory;
    };

    std::vector<Execution> executed;
    std::map<std::string, std::string> links;  // .lnk path -> target
    std::string clipboard;
    std::map<SystemFolder, std::string> folders;  // a missing one cannot be had
    bool failExecute = false;

    bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory) override {
        executed.push_back({verb, file, parameters, directory});
        return !failExecute;
    }
    std::optional<std::string> ResolveLink(const std::string& path) override {
        auto it = links.find(path);
        if (it == links.end())
            return std::nullopt;
        return it->second;
    }
    std::string ClipboardText() override { return clipboard; }
    bool SetClipboardText(const std::string& text) override {
        clipboard = text;
        return true;
    }
    std::optional<std::string> FolderPath(SystemFolder folder) override {
        auto it = folders.find(folder);
        if (it == folders.end())
            return std::nullopt;
        return it->second;
    }
};

}  // namespace lumbrel::test
