#include "mouse/DragCommands.h"

#include <algorithm>

#include "base/DbcsText.h"
#include "base/FileNameCleaning.h"
#include "base/LinkLike.h"
#include "commands/CommandIds.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

std::string RemoveForbidden(const CodePage& cp, std::string_view text) {
    std::string clean;
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = CharLength(cp, text, pos);
        if (length != 1 || !IsForbiddenFileNameChar(text[pos]))
            clean.append(text.substr(pos, length));
        pos += length;
    }
    return clean;
}

}  // namespace

std::string JumpUrlTarget(std::string_view url) {
    constexpr size_t kFrom = 6;
    if (url.size() <= kFrom || url.find("://", kFrom) == std::string_view::npos)
        return std::string(url);
    size_t best = std::string_view::npos;
    for (std::string_view scheme : {"http://", "https://", "ftp://", "file://"})
        best = std::min(best, url.find(scheme, kFrom));
    return std::string(best == std::string_view::npos ? url : url.substr(best));
}

std::string FavoriteName(const CodePage& cp, std::string_view title, std::string_view url) {
    std::string name = RemoveForbidden(cp, title.empty() ? url : title);
    if (!name.empty())
        return name;
    std::string_view host = url;
    if (const size_t scheme = host.find("://"); scheme != std::string_view::npos)
        host.remove_prefix(scheme + 3);
    host = host.substr(0, host.find_first_of("/\\?#"));
    name = RemoveForbidden(cp, host);
    return name.empty() ? RemoveForbidden(cp, url) : name;
}

std::optional<std::string> SystemBrowserArgument(std::string_view text, bool mustBeLinkLike) {
    if (text.empty())
        return std::nullopt;
    for (const char c : text)
        if (c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return std::nullopt;
    if (mustBeLinkLike && !IsLinkLike(text))
        return std::nullopt;
    // Backslashes before the closing quote are doubled: the command-line splitter would read
    // "C:\dir\" as the text C:\dir" and an open quote.
    const size_t trailing = text.size() - text.find_last_not_of('\\') - 1;
    return "\"" + std::string(text) + std::string(trailing, '\\') + "\"";
}

std::string CollectorLine(const DragItem& item) {
    if (item.DragItemKind == DragKind::Link)
        return item.DragItemText + " => " + item.DragItemUrl + "\r\n";
    return item.DragItemUrl + "\r\n";
}

bool DragCommands::Handles(int command) {
    switch (command) {
        case IDM_DRAG_OPEN:
        case IDM_DRAG_OPEN_FOREGROUND:
        case IDM_DRAG_OPEN_BACKGROUND:
        case IDM_DRAG_OPEN_OTHER_SIDE:
        case IDM_DRAG_OPEN_IN_IE:
        case IDM_DRAG_OPEN_JUMP_URL:
        case IDM_DRAG_OPEN_FTP:
        case IDM_DRAG_SHOW_URL:
        case IDM_DRAG_EDIT_URL:
        case IDM_DRAG_EDIT_IMAGE_URL:
        case IDM_DRAG_EDIT_TEXT:
        case IDM_DRAG_COPY_URL:
        case IDM_DRAG_COPY_TEXT:
        case IDM_DRAG_SHOW_IMAGE:
        case IDM_ADD_TO_CONTENT_FILTER:
        case IDM_DRAG_ADD_TO_FAVORITE:
        case IDM_DRAG_LINK_TO_COLLECTOR:
        case IDM_DRAG_TEXT_TO_COLLECTOR:
        case IDM_DRAG_SEARCH:
        case IDM_DRAG_HIGHLIGHT:
        case IDM_DRAG_FIND:
        case IDM_SAVE_TEXT:
        case IDM_AUTO_SAVE_TEXT:
        case IDM_DRAG_OPEN_SELECTED_LINKS:
            return true;
        default:
            return false;
    }
}

void DragCommands::Open(const DragItem& item, int openMode, TextOpening how) {
    if (item.DragItemKind == DragKind::Text)
        host_.OpenText(item.DragItemUrl, how);
    else
        host_.OpenLink(item.DragItemUrl, openMode);
}

void DragCommands::OpenInSystemBrowser(const DragItem& item) {
    const bool text = item.DragItemKind == DragKind::Text;
    if (std::optional<std::string> argument = SystemBrowserArgument(item.DragItemUrl, text))
        host_.StartSystemBrowser(*argument);
}

void DragCommands::EditAndOpen(const std::string& initial, bool asText) {
    const std::optional<std::string> edited = host_.EditText(initial);
    if (!edited || edited->empty())
        return;
    if (asText)
        host_.OpenText(*edited, TextOpening::AsSettingsSay);
    else
        host_.OpenLink(*edited, kOpenLinkInNewWindow);
}

void DragCommands::Run(int command, const DragItem& item, PagePoint dragStart) {
    switch (command) {
        case IDM_DRAG_OPEN:
            Open(item, kOpenLinkInNewWindow, TextOpening::AsSettingsSay);
            break;
        case IDM_DRAG_OPEN_FOREGROUND:
            Open(item, kOpenForeground, TextOpening::Foreground);
            break;
        case IDM_DRAG_OPEN_BACKGROUND:
            Open(item, kOpenBackground, TextOpening::Background);
            break;
        case IDM_DRAG_OPEN_OTHER_SIDE:
            Open(item, kOpenLinkInNewWindow | kOpenOtherSide, TextOpening::OtherSide);
            break;
        case IDM_DRAG_OPEN_IN_IE:
            OpenInSystemBrowser(item);
            break;
        case IDM_DRAG_OPEN_JUMP_URL:
            host_.OpenInNewWindow(JumpUrlTarget(item.DragItemUrl));
            break;
        case IDM_DRAG_OPEN_FTP:
            host_.OpenFtp(item.DragItemUrl);
            break;
        case IDM_DRAG_SHOW_URL:
            host_.ShowStatus(item.DragItemUrl);
            break;
        case IDM_DRAG_EDIT_URL:
            EditAndOpen(item.DragItemUrl, false);
            break;
        case IDM_DRAG_EDIT_IMAGE_URL: {
            const std::string image = host_.ImageAt(dragStart);
            EditAndOpen(image.empty() ? item.DragItemUrl : image, false);
            break;
        }
        case IDM_DRAG_EDIT_TEXT:
            EditAndOpen(item.DragItemText, true);
            break;
        case IDM_DRAG_COPY_URL:
            host_.CopyText(item.DragItemUrl);
            break;
        case IDM_DRAG_COPY_TEXT:
            host_.CopyText(item.DragItemText);
            break;
        case IDM_DRAG_SHOW_IMAGE:
            // If the page keeps its menu to itself, the key would land in the page instead.
            if (host_.OpenPageContextMenu(dragStart))
                host_.ChooseContextMenuItem('H');
            break;
        case IDM_ADD_TO_CONTENT_FILTER:
            host_.ProposeContentFilter(item.DragItemUrl);
            break;
        case IDM_DRAG_ADD_TO_FAVORITE:
            host_.AddFavorite(FavoriteName(codePage_, item.DragItemText, item.DragItemUrl),
                              item.DragItemUrl);
            break;
        case IDM_DRAG_LINK_TO_COLLECTOR:
        case IDM_DRAG_TEXT_TO_COLLECTOR:
            host_.AddToCollector(CollectorLine(item));
            break;
        case IDM_DRAG_SEARCH:
        case IDM_DRAG_HIGHLIGHT:
        case IDM_DRAG_FIND:
            host_.SearchText(command, item.DragItemUrl);
            break;
        case IDM_SAVE_TEXT:
        case IDM_AUTO_SAVE_TEXT:
            host_.SaveText(command, item.DragItemUrl);
            break;
        case IDM_DRAG_OPEN_SELECTED_LINKS:
            host_.OpenSelectedLinks();
            break;
        default:
            break;
    }
}

}  // namespace lumbrel
