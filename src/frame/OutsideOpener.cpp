#include "frame/OutsideOpener.h"

#include "app/CBrowserApp.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool IsFtpAddress(const std::string& url) {
    return StartsWith(url, "ftp://") || StartsWith(url, "ftp.");
}

// The last "." after the last "\" and "/", not at the end: the address names a file.
bool NamesFile(const std::string& url) {
    const size_t dot = url.rfind('.');
    if (dot == std::string::npos || dot + 1 == url.size())
        return false;
    const size_t backslash = url.rfind('\\');
    const size_t slash = url.rfind('/');
    return (backslash == std::string::npos || dot > backslash) &&
           (slash == std::string::npos || dot > slash);
}

bool IsLocal(const std::string& url) {
    if (StartsWith(url, "file:") || StartsWith(url, "\\\\") || StartsWith(url, "shell:"))
        return true;
    return url.size() >= 2 && url[1] == ':' && (url.size() == 2 || url[2] == '/' || url[2] == '\\');
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool IsLocalFolderAddress(const std::string& url) {
    return !NamesFile(url) && IsLocal(url);
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
            std::string address = StartsWith(url, "http://") ? url.substr(7) : url;
            if (!StartsWith(address, "ftp://"))
                address = "ftp://" + address;
            if (!shell.Execute("open", program, address, FolderOf(program)))
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

    if (StartsWith(url, "%"))
        url = app_.Ports().environment.ExpandVariables(url, 260);
    else if (StartsWith(url, ".\\"))
        url = app_.Directories().program + url.substr(2);

    if (!app_.Settings().Get(keys::OpenFolderOut) || NamesFile(url) || !IsLocal(url))
        return false;
    app_.Ports().shell.Execute("open", url, "", "");
    return true;
}

}  // namespace lumbrel
