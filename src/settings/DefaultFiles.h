// The user files that start as copies of the program's defaults ("Resource\" + name +
// ".default"). A missing user file is copied at its time; an existing one is never touched,
// even when it cannot be read at the moment.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "app/AppDirectories.h"
#include "platform/FileSystem.h"

namespace lumbrel {

enum class DefaultFileTime {
    StartUp,   // before the first setting is read
    Deferred,  // during the main window's deferred initialisation
};

struct DefaultFile {
    const char* name;
    DefaultFileTime when;
};

std::span<const DefaultFile> DefaultFiles();

// Copies the missing user files of `when`; returns the names copied. A failed copy leaves the
// user file absent and its owner falls back to its defaults.
std::vector<std::string> CopyMissingDefaults(FileSystem& fs, const AppDirectories& dirs,
                                             DefaultFileTime when);

}  // namespace lumbrel
