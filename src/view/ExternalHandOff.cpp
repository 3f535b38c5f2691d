#include "view/ExternalHandOff.h"

#include "app/CBrowserApp.h"
#include "base/DbcsText.h"
#include "base/Paths.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr int kFtpBySystemBrowser = 1;
constexpr int kFtpByProgram = 2;

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "%XX" escapes decoded; a "%" not followed by two hexadecimal digits stays.
std::string PercentDecode(std::string_view text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool IsDrivePath(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           (path.size() == 2 || path[2] == '/' || path[2] == '\\');
}

}  // namespace

bool IsFtpAddress(std::string_view url) {
    return url.starts_with("ftp://") || url.starts_with("ftp.");
}

std::optional<std::string> QuotedArgument(std::string_view url) {
    for (char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7F)
            return std::nullopt;
    }
    return "\"" + std::string(url) + "\"";
}

std::optional<std::string> LocalPathOf(const CodePage& cp, std::string_view url) {
    if (url.starts_with("file:")) {
        std::string_view rest = url.substr(5);
        const bool hasHost = rest.starts_with("//") && !rest.starts_with("///");
        while (rest.starts_with("/"))
            rest.remove_prefix(1);
        std::string path = ReplaceChar(cp, PercentDecode(rest), '/', '\\');
        if (hasHost)
            return "\\\\" + path;
        if (!IsDrivePath(path))
            return std::nullopt;
        return path;
    }
    if (url.starts_with("\\\\") || IsDrivePath(url))
        return ReplaceChar(cp, url, '/', '\\');
    return std::nullopt;
}

ExternalHandOff::Result ExternalHandOff::OpenFtp(const std::string& url) {
    SettingsStore& settings = app_.Settings();
    Shell& shell = app_.Ports().shell;
    const int type = settings.Get(keys::FtpOpenType);
    const std::string program = settings.Get(keys::FtpExePath);
    if (type != kFtpBySystemBrowser && (type != kFtpByProgram || program.empty()))
        return Result::NotTaken;
    std::string address = url;
    if (type == kFtpByProgram) {
        if (address.starts_with("http://"))
            address.erase(0, 7);
        if (!address.starts_with("ftp://"))
            address = "ftp://" + address;
    }
    const std::optional<std::string> argument = QuotedArgument(address);
    if (!argument)
        return Result::Refused;
    if (type == kFtpBySystemBrowser) {
        shell.Execute("open", "IEXPLORE.EXE", *argument, "");
        return Result::Taken;
    }
    const std::string folder(SplitPath(app_.Ports().codePage, program).folder);
    if (!shell.Execute("open", program, *argument, folder))
        app_.Ports().ui.MessageBox(app_.LngLoadString(IDS_OPEN_FTP_FAILED), MsgButtons::Ok,
                                   MsgIcon::Warning);
    return Result::Taken;
}

bool ExternalHandOff::OpenFolder(const std::string& url, bool networkPaths) {
    if (!app_.Settings().Get(keys::OpenFolderOut))
        return false;
    const std::optional<std::string> path = LocalPathOf(app_.Ports().codePage, url);
    if (!path || (!networkPaths && path->starts_with("\\\\")) ||
        !app_.Ports().fs.IsDirectory(*path))
        return false;
    app_.Ports().shell.Execute("open", *path, "", "");
    return true;
}

}  // namespace lumbrel
