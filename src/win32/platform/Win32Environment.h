// The Environment port over the process's module path, command line and variables.
#pragma once

#include "platform/Environment.h"

namespace lumbrel::win32 {

class Win32Environment : public Environment {
public:
    std::string ModulePath() override;
    std::string CommandLine() override;
    std::optional<std::string> Variable(const std::string& name) override;
    std::string CurrentFolder() override;
    std::string ExpandVariables(const std::string& text, size_t maxLength) override;
};

}  // namespace lumbrel::win32
