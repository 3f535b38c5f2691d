#include "language/StringTable.h"

#include <algorithm>
#include <array>

#include "commands/CommandIds.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Grouped by topic here; sorted by id at compile time so that a lookup is a binary search.
constexpr Entry kUnsorted[] = {
    {IDS_FILTER_HTML_FILES, "HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||"},
    {IDS_FILTER_OPEN_FILES,
     "Web Files (*.htm;*.html;*.mht;*.url)|*.htm;*.html;*.mht;*.url|Text Files (*.txt)|*.txt|"
     "All Files (*.*)|*.*||"},
    {IDS_FILTER_TEXT_FILES, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"},
    {IDS_EMPTY, "Empty"},
    {IDS_MAIL_CLIENT_FAILED, "Fail to run email client."},
    {IDS_HISTORY, "History"},
    {IDS_SUNDAY, "Sunday"},
    {146, "Monday"},
    {147, "Tuesday"},
    {148, "Wednesday"},
    {149, "Thursday"},
    {150, "Friday"},
    {IDS_SATURDAY, "Saturday"},
    {IDS_SELECT_PROXY_FIRST, "Please select a proxy before enable !"},
    {IDS_CONFIRM_DELETE_GROUP, "Do you really want to Delete this Group?"},
    {IDS_PROXY_ADDED, "The proxy is added successfully."},
    {IDS_ASK_DEFAULT_BROWSER,
     "Do you want to set Lumbrel as the default Web Browser?\n\nYes, to set Lumbrel as default "
     "Browser. \nNo, to back to original setting."},
    {IDS_OPEN_ALL_URL, "Open All URL"},
    {IDS_NEW_BUTTON, "\nNew"},
    {IDS_SPEED_INVALID, "Invalid"},
    {770, "Slower"},
    {771, "Slow"},
    {772, "Normal"},
    {773, "Fast"},
    {IDS_SPEED_FASTER, "Faster"},
    {IDS_SEPARATOR, "Separator"},
    {IDS_ADD_URL_HERE, "Add URL Here..."},
    {IDS_PAGE_SAVED, "Page Saved => "},
    {IDS_TEXT_SAVED, "Text Saved => "},

    // Toolbar labels: the button's label is the text after "\n", its tooltip the same text.
    {IDM_STOP, "\nStop"},
    {IDM_REFRESH, "\nRefresh"},
    {IDM_WORK_OFFLINE, "\nOffline"},
    {IDM_SAVE_AS, "\nSave"},
    {IDM_BACK, "\nBack"},
    {IDM_FORWARD, "\nForward"},
    {IDM_HOME_PAGE, "\nHome"},
    {IDM_SIDEBAR_FAVORITES, "\nFavorites"},
    {IDM_TEXT_SIZE, "\nText Size"},
    {IDM_ENCODING, "\nEncoding"},
    {IDM_OPTIONS, "\nOptions"},
    {IDM_SHOW_IMAGES, "\nImages"},
    {IDM_EMAIL, "\nMail"},
    {IDM_CLEAN_ALL, "\nClean"},
    {IDM_ENABLE_PROXY, "\nProxy Server"},
    {IDM_ENABLE_WEB_PROXY, "\nWeb/Translate Proxy"},
    {IDM_SIDEBAR_HISTORY, "\nHistory"},
    {IDM_FULL_SCREEN, "\nFull Screen"},
    {IDM_NEW_TO_NEXT, "\nNew to Next"},
    {IDM_REFRESH_ALL, "\nRefresh All"},
    {IDM_STOP_ALL, "\nStop All"},
    {IDM_OPEN, "\nOpen"},
    {IDM_EDIT_PAGE, "\nEdit"},
    {IDM_STOP_OPEN_WINDOWS, "\nStop Open"},
    {IDM_SIDEBAR_FOLDER, "\nFolder"},
    {IDM_SIDEBAR_RESOURCE, "\nResource"},
    {IDM_AUTO_SCROLL_CURRENT, "\nAuto Scroll"},
    {IDM_UNDO_CLOSE, "\nUndo Close"},
    {IDM_BG_COLOR_CURRENT, "\nBackground"},
    {IDM_FILL_FORM, "\nFill Form"},
    {IDM_LINK_LIST, "\nLink List"},
    {IDM_GROUP_BUTTON, "\nGroup"},
    {IDM_AUTO_HIDE, "\nAuto Hide"},
    {IDM_FIND_KEYWORD, "\nFind in Page ( F6/F7 ) ( Ctrl/Shift+Enter )"},
    {IDM_HIGHLIGHT_KEYWORD, "\nHighlight ( Ctrl+Shift+Enter )"},
    {IDM_AUTO_RUN_EXTERNAL, "\nExternal"},
    {IDM_PRINT, "\nPrint"},
    {IDM_EDIT_COPY, "\nCopy"},
    {IDM_EDIT_FIND, "\nFind"},
    {IDM_EDIT_PASTE, "\nPaste"},
    {IDM_UP, "\nUp"},

    {IDS_SEARCH_BUTTON, "\nSearch "},
    {IDS_GESTURE, "Gesture"},
    {IDS_COLUMN_COMMAND, "Command"},
    {IDS_GESTURE_UP, "U"},
    {IDS_GESTURE_DOWN, "D"},
    {IDS_GESTURE_LEFT, "L"},
    {IDS_GESTURE_RIGHT, "R"},
    {IDS_LEFT_CLICK, "Left Click"},
    {IDS_LEFT_DOUBLE_CLICK, "Left Double Click"},
    {IDS_MIDDLE_CLICK, "Middle Click"},
    {IDS_RIGHT_CLICK, "Right Click"},
    {IDS_LEFT_RIGHT_CLICK, "Left-Right Click"},
    {IDS_RIGHT_LEFT_CLICK, "Right-Left Click"},
    {IDS_OPEN_BUTTON, "Open"},
    {IDS_COLUMN_NAME, "Name"},
    {IDS_COLUMN_URL, "URL"},
    {IDS_NEW_GROUP, "New Group"},
    {IDS_COLUMN_SEARCH_ENGINE, "Search Engine"},
    {IDS_COLUMN_SPEED, "Speed"},
    {IDS_ADD_URL_TO_GROUP, "Add URL to this Group..."},
    {IDS_OPEN_GROUP_MEMBERS, "Open All Selected Group Member"},
    {IDS_BAD_GROUP_NAME, "Can not create group, name can not use \\ / : * ? \" < > |"},
    {IDS_NO_GROUP_PATH, "Group path not exist !"},
    {IDS_SAVE_BUTTON, "Save"},
    {IDS_PROXY_SERVER, "Proxy Server"},
    {IDS_TRANSLATION_PROXY, "Translation Proxy"},
    {IDS_WEB_PROXY, "Web Proxy"},
    {IDS_IE_PROXY_SERVER, "IE Proxy Server"},
    {IDS_SCRIPT_CONTENT_ERROR, "Script content error !"},
    {IDS_RUN_SCRIPT_ERROR, "Run script  error !"},
    {IDS_NONE, "None"},
    {IDS_SPOOFING_URL, "This maybe is a \"Spoofing Vulnerability\" URL. "},
    {IDS_ASK_BROWSE, "Do you really want to browse ?"},
    {IDS_ADD_CONTENT_FILTER, "URL Add to Content Filter List ( Can Modify With * ):"},
    {IDS_OPEN_FTP_FAILED, "Open Ftp URL error !"},
    {IDS_NEW_DIRECTORY_NAME, "New Directory Name:"},
    {IDS_COLUMN_ICON, "Icon"},
    {IDS_NOT_FIND, "Not find "},
    {IDS_ASK_RUN_COMMAND, "Do you want to "},
    {IDS_ENABLE_FILTER_BUTTON, "\nEnable Filter"},
    {IDS_AUTO_POPUP_FILTER_LOG, "Auto Popup Filter => "},
    {IDS_USER_LIST_FILTER_LOG, "User List  Filter => "},
    {IDS_DIALOG_FILTER_LOG, "Dialog Filter => "},

    {IDS_CONFIRM_CLOSE_LOCKED, "Do you really want to close the locked window?"},
    {IDS_CONFIRM_CLOSE_ALL, "Do you really want to close all windows?"},
    {IDS_PASSWORD_INCORRECT, "Password is incorrect."},
    {IDS_PROTECTED_NO_ARRANGE,
     "Can't minimizing or restoring window because some windows are in protected."},
    {IDS_CONFIRM_EXIT, "Do you really want to exit?"},
    {IDS_CONFIRM_EXIT_IE_DOWNLOADING, "Internet Explorer downloading, do you really want to exit?"},
    {IDS_CONFIRM_EXIT_PAGES_DOWNLOADING,
     "Some pages are downloading, do you really want to exit ?"},
    {IDS_RUN_TOOL_FAILED, "Fail to run this external utility."},
    {IDS_SENDER_SHARE_MEMORY_FAILED, "App:Fail to create share memory!"},
    {IDS_SENDER_MAP_VIEW_FAILED, "App:MapViewOfFile Fail"},
    {IDS_RECEIVER_SHARE_MEMORY_FAILED, "Fail to create share memory!"},
    {IDS_RECEIVER_MAP_VIEW_FAILED, "MapViewOfFile Fail"},
    {IDS_INPUT_URL, "Input URL:"},
    {IDS_INPUT_TITLE, "Input Title:"},
    {IDS_ENTER_PASSWORD, "Please Enter the Password:"},
    {IDS_REMEMBER_PASSWORD, "Remember the Password"},

    {IDS_DEFAULT_LANGUAGE, "Default [English]"},
    {IDS_COLUMN_FILE_NAME, "File Name"},
    {IDS_COLUMN_LANGUAGE, "Language"},
    {IDS_LAST_VISITING, "Last Visiting"},
    {IDS_LAST_CLOSED, "Last Closed"},
    {IDS_CURRENT_VISITING, "Current Visiting"},
    {IDS_CURRENT_CLOSED, "Current Closed"},
    {IDS_COLUMN_TITLE, "Title"},
    {IDS_FAVORITES, "Favorites"},
    {IDS_FOLDER, "Folder"},
    {IDS_RESOURCE, "Resource"},

    {IDS_SCRIPT_ERROR_STATUS, "Script Error!"},
    {IDS_ACTIVEX_DENIED_STATUS, "ActiveX Denied!"},
    {IDS_NO_FAVORITES_PATH, "Can't get path of favorite."},
    {IDS_NO_SEARCH_ENGINE, "No search engine, please set search engine first !"},
    {IDS_INPUT_KEYWORD_FIRST, "Please input keyword first !"},
    {IDS_FIND_KEYWORD_COUNT, "Find Keyword Current/Total: "},
    {IDS_HIGHLIGHT_KEYWORD_COUNT, "Highlight Keyword Count: "},
    {IDS_ENGINE_NEEDS_KEYWORD, "Search Engine must use %s or %u to indicate the keyword."},
    {IDS_ENGINE_NAME_EXISTS, "Name have existed !"},
    {IDS_SELECT_PROXY_SERVER_FIRST, "Please select a proxy server before enable !"},
    {IDS_SET_PROXY_FAILED, "Fail to set proxy server. Please use Internet Option to try again."},
    {IDS_IE_PROXY_EMPTY, "IE proxy server is empty !"},
    {IDS_CONFIRM_DELETE_CATEGORY, "Do you really want to delete this category?"},
    {IDS_CANNOT_MOVE_PROXY, "Can't move this proxy."},
    {IDS_TEXT_COLLECTOR_FULL, "Text collector has max text, please clear it !"},
    {IDS_OUTPUT_COLLECTOR_FULL, "Output collector has max text, please clear it !"},
    {IDS_CONFIRM_CLEAN_COLLECTOR, "Do you really want to clean the collector ?"},
    {IDS_SELECT_SCRIPT_FIRST, "Please select script in script collector first !"},
    {IDS_NO_DROPPED_IMAGE, "Not droped image or image not shown!"},
    {IDS_IMAGE_EXISTS, "Image Existed => "},
    {IDS_FORM_FILLED_COUNT, "Form Data Filled Count:"},
    {IDS_CONFIRM_DELETE_FORMS, "Do you really want to delete all saved form data?"},
    {IDS_NO_MAIL_CLIENT, "mail client not found\n"},
    {IDS_NEEDS_MAPI, "This function need MAPI"},
    {IDS_FILE_NOT_WRITTEN, "The file could not be written; the old one is unchanged."},
    {IDS_SETTINGS_NOT_WRITTEN, "The settings file could not be written."},
    {IDS_REFRESH_FREQUENCY, "Refresh Frequency (S) :"},
    {IDS_REFRESH_RANGE, "Please enter an integer between 1 and 10000."},
    {IDS_NUMBER_RANGE, "Please enter an integer between %d and %d."},
    {IDS_SET_REFRESH_FREQUENCY, "Set Refresh Frequency"},
};

constexpr auto kEntries = [] {
    std::array<Entry, std::size(kUnsorted)> sorted{};
    std::copy(std::begin(kUnsorted), std::end(kUnsorted), sorted.begin());
    std::sort(sorted.begin(), sorted.end(),
              [](const Entry& a, const Entry& b) { return a.id < b.id; });
    return sorted;
}();

constexpr bool IdsAreUnique() {
    for (size_t i = 1; i < kEntries.size(); ++i) {
        if (kEntries[i - 1].id == kEntries[i].id) {
            return false;
        }
    }
    return true;
}
static_assert(IdsAreUnique(), "two strings of the table share an id");

}  // namespace

std::optional<std::string_view> StringTable::Find(int id) {
    auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                               [](const Entry& e, int wanted) { return e.id < wanted; });
    if (it == kEntries.end() || it->id != id) {
        return std::nullopt;
    }
    return it->text;
}

std::string_view StringTable::Get(int id) {
    return Find(id).value_or(std::string_view());
}

std::vector<int> StringTable::Ids() {
    std::vector<int> ids;
    ids.reserve(kEntries.size());
    for (const Entry& e : kEntries) {
        ids.push_back(e.id);
    }
    return ids;
}

}  // namespace lumbrel
