// A process environment set by the test: module path, command line and variables.
#pragma once

#include <map>

#include "platform/Environment.h"

namespace lumbrel::test {

class FakeEnvironment : public Environment {
public:
    std::string modulePath = "C:\\Program Files\\Lumbrel\\lumbrel.exe";
    std::string commandLine = "\"C:\\Program Files\\Lumbrel\\lumbrel.exe\"";
    std::map<std::string, std::string> variables;  // by upper-case name
    std::string currentFolder = "C:\\Users\\me";

    std::string ModulePath() override { return modulePath; }
    std::string CommandLine() override { return commandLine; }
    std::optional<std::string> Variable(const std::string& name) override;
    std::string CurrentFolder() override { return currentFolder; }
    std::string ExpandVariables(const std::string& text, size_t maxLength) override;
};

}  // namespace lumbrel::test
