#include "frame/OutsideOpener.h"

#include "app/CBrowserApp.h"
#include "base/DbcsText.h"
#include "base/Paths.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

bool IsFtpAddress(const std::string& url) {
    return url.starts_with("ftp://") || url.starts_with("ftp.");
}

// The last "." after the last "\" and "/", not at the end: the address names a file.
bool NamesFile(const CodePage& cp, const std::string& url) {
    const std::string_view name = SplitPath(cp, url).name;
    const size_t dot = RFindChar(cp, name, '.');
    return dot != std::string_view::npos && dot + 1 < name.size();
}

bool IsLocal(const std::string& url) {
    if (url.starts_with("file:") || url.starts_with("\\\\") || url.starts_with("shell:"))
        return true;
    return url.size() >= 2 && url[1] == ':' && (url.size() == 2 || url[2] == '/' || url[2] == '\\');
}

}  // namespace

bool IsLocalFolderAddress(const CodePage& cp, const std::string& url) {
    return !NamesFile(cp, url) && IsLocal(url);
}

bool OutsideOpener::OpenFtp(const std::string& url) {
    SettingsStore& settings = app_.Settings();
    Shell& shell = app_.Ports().shell;
    switch (settings.Get(keys::FtpOpenType)) {
        case 1:
            shell.Execute("open", "IEXPLORE.EXE", url, "");
            return true;
        case 2: {
            const std::string program = settings.Get(keys::FtpExePath);
            if (program.empty())
                return false;
            std::string address = url.starts_with("http://") ? url.substr(7) : url;
            if (!address.starts_with("ftp://"))
                address = "ftp://" + address;
            const std::string folder(SplitPath(app_.Ports().codePage, program).folder);
            if (!shell.Execute("open", program, address, folder))
                app_.Ports().ui.MessageBox(app_.LngLoadString(IDS_OPEN_FTP_FAILED), MsgButtons::Ok,
                                           MsgIcon::Warning);
            return true;
        }
        default:
            return false;
    }
}

bool OutsideOpener::Take(std::string& url) {
    // FIXME: the download manager's monitored types are checked here once it exists.
    if (IsFtpAddress(url) && OpenFtp(url))
        return true;

    if (url.starts_with("%"))
        url = app_.Ports().environment.ExpandVariables(url, 260);
    else if (url.starts_with(".\\"))
        url = app_.Directories().program + url.substr(2);

    if (!app_.Settings().Get(keys::OpenFolderOut) || NamesFile(app_.Ports().codePage, url) ||
        !IsLocal(url))
        return false;
    app_.Ports().shell.Execute("open", url, "", "");
    return true;
}

}  // namespace lumbrel
