#include "app/AppDirectories.h"

#include "base/Paths.h"

namespace lumbrel {
namespace {

// A folder value as the program keeps them: with exactly one closing backslash.
std::string AsFolder(const CodePage& cp, const std::string& path) {
    std::string folder(StripTrailingSeparators(cp, path));
    if (folder.size() > PathRootLength(cp, folder))
        folder += '\\';
    return folder;
}

}  // namespace

AppDirectories AppDirectories::FromModulePath(const CodePage& cp, const std::string& modulePath) {
    AppDirectories dirs;
    dirs.program = ProgramDirectory(cp, modulePath);
    if (dirs.program.empty())
        return dirs;
    dirs.user = dirs.program + "User\\";
    dirs.profile = dirs.user + "Lumbrel.ini";
    dirs.formData = dirs.user + "FormData.ini";
    dirs.resource = dirs.program + "Resource\\";
    dirs.language = dirs.program + "Language\\";
    dirs.skin = dirs.program + "skin\\";
    dirs.group = dirs.program + "groups\\";
    return dirs;
}

void AppDirectories::SetGroupPath(const CodePage& cp, const std::string& setting) {
    if (!setting.empty())
        group = AsFolder(cp, ResolvePathSetting(setting, program));
}

void AppDirectories::SetSkinPath(const CodePage& cp, const std::string& setting) {
    if (!setting.empty())
        skin = AsFolder(cp, ResolvePathSetting(setting, program));
}

}  // namespace lumbrel
