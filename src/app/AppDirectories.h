// The program's folders and files, all derived once at start-up from the full path of the
// running executable. Directory values end with a backslash. Read-only after start-up, except
// the save folders, which the options dialog may change.
#pragma once

#include <string>

#include "platform/CodePage.h"

namespace lumbrel {

struct AppDirectories {
    std::string program;   // folder of the executable; the base of every ".\" path
    std::string user;      // program + "User\"
    std::string profile;   // user + "Lumbrel.ini"
    std::string formData;  // user + "FormData.ini"
    std::string resource;  // program + "Resource\": the ".default" copies and page scripts
    std::string language;  // program + "Language\"
    std::string skin;      // program + "skin\", or `SkinPath`
    std::string group;     // program + "groups\", or `GroupPath`

    // Everything from the executable's path; an empty path leaves every value empty.
    static AppDirectories FromModulePath(const CodePage& cp, const std::string& modulePath);

    // Applies `GroupPath` / `SkinPath`: an empty value keeps the built-in folder.
    void SetGroupPath(const CodePage& cp, const std::string& setting);
    void SetSkinPath(const CodePage& cp, const std::string& setting);
};

}  // namespace lumbrel
