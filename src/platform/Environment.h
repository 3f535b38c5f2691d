// The process environment: its own executable path, its command line and environment
// variables.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace lumbrel {

class Environment {
public:
    virtual ~Environment() = default;

    // Full path of the running executable; empty when it cannot be had.
    virtual std::string ModulePath() = 0;
    // The raw command line, program name included.
    virtual std::string CommandLine() = 0;
    virtual std::optional<std::string> Variable(const std::string& name) = 0;
    // The process's current folder (where a relative path on its command line points);
    // empty when it cannot be had.
    virtual std::string CurrentFolder() = 0;
    // "%NAME%" references replaced by their values; the result is cut to `maxLength`
    // characters. Unknown names stay as written.
    virtual std::string ExpandVariables(const std::string& text, size_t maxLength) = 0;
};

}  // namespace lumbrel
