#include "commands/BuiltinMenus.h"

#include <iterator>

#include "commands/CommandIds.h"

namespace lumbrel {
namespace {

MenuItem Cmd(int id, const char* text) {
    return MenuItem::Command(id, text);
}
MenuItem Sep() {
    return MenuItem::Separator();
}
MenuItem Sub(const char* text, MenuItems items, MenuRole role = MenuRole::None) {
    return MenuItem::Popup(text, std::move(items), role);
}

// Positions 0-10 are the values of the `NewWindow` setting; 1, 4 and 7 are separators.
MenuItem NewWindowMenu() {
    return Sub("&New",
               {Cmd(IDM_BLANK_PAGE, "&Blank Page\tF1"), Sep(),
                Cmd(IDM_NEW_HOME_PAGE, "&Home Page\tCtrl+Shift+H"),
                Cmd(IDM_NEW_FROM_CLIPBOARD, "From &Clipboard\tCtrl+Shift+N"), Sep(),
                Cmd(IDM_NEW_SELECTED_TEXT, "Selected &Text\tCtrl+Shift+T"),
                Cmd(IDM_NEW_SELECTED_LINKS, "Selected &Links\tCtrl+Shift+L"), Sep(),
                Cmd(IDM_NEW_CURRENT_PAGE, "Current &Page\tCtrl+Shift+P"),
                Cmd(IDM_NEW_UP_PAGE, "Current &Up Page\tCtrl+Shift+U"),
                Cmd(IDM_NEW_ROOT_PAGE, "Current &Root Page\tCtrl+Shift+R")},
               MenuRole::NewWindow);
}

MenuItem FileMenu() {
    return Sub("&File",
               {Cmd(IDM_NEW_WINDOW, "New Window\tCtrl+N"),
                NewWindowMenu(),
                Cmd(IDM_NEW_PROCESS, "New &Lumbrel"),
                Cmd(IDM_OPEN, "&Open...\tCtrl+O"),
                Sep(),
                Cmd(IDM_SAVE_AS, "&Save As...\tCtrl+S"),
                Cmd(IDM_SAVE_HTML, "Save &HTML...\tCtrl+H"),
                Cmd(IDM_SAVE_WHOLE_CONTENT, "Save Whole Cont&ent...\tCtrl+E"),
                Sub("Auto Sa&ve", {Cmd(IDM_AUTO_SAVE, "Auto Save\tCtrl+B"),
                                   Cmd(IDM_AUTO_SAVE_SORT, "A&uto Save (Sort)...\tCtrl+U"), Sep(),
                                   Cmd(IDM_SAVE_TEXT, "Save &Text..."),
                                   Cmd(IDM_AUTO_SAVE_TEXT, "&Auto Save Text")}),
                Sep(),
                Cmd(IDM_PAGE_SETUP, "Page Set&up..."),
                Cmd(IDM_PRINT, "&Print...\tCtrl+P"),
                Cmd(IDM_PROPERTY, "P&roperty..."),
                Sep(),
                Sub("Send &To", {Cmd(IDM_EMAIL, "E-Mail"), Cmd(IDM_ADDRESS_BOOK, "Address Book"),
                                 Cmd(IDM_PAGE_BY_EMAIL, "&Page by Email..."),
                                 Cmd(IDM_LINK_BY_EMAIL, "&Link by Email..."), Sep(),
                                 Cmd(IDM_SYNCHRONIZE, "Synchronize...")}),
                Cmd(IDM_EDIT_PAGE, "E&dit"),
                Cmd(IDM_OPEN_IN_IE, "Open In &Internet Explorer"),
                Sep(),
                Cmd(IDM_WORK_OFFLINE, "&Work Offline\tAlt+O"),
                Cmd(IDM_APP_EXIT, "E&xit")});
}

MenuItem EditMenu() {
    return Sub(
        "&Edit",
        {Cmd(IDM_EDIT_CUT, "Cu&t\tCtrl+X"), Cmd(IDM_EDIT_COPY, "&Copy\tCtrl+C"),
         Cmd(IDM_EDIT_PASTE, "&Paste\tCtrl+V"), Cmd(IDM_EDIT_SELECT_ALL, "Select &All\tCtrl+A"),
         Sep(), Cmd(IDM_EDIT_FIND, "&Find...\tCtrl+F"),
         Cmd(IDM_FIND_KEYWORD, "Find Keyword in Page"),
         Cmd(IDM_HIGHLIGHT_KEYWORD, "High&light Keyword\tCtrl+L"), Sep(),
         Cmd(IDM_SEARCH_SELECTED_TEXT, "Search Selected Text"),
         Cmd(IDM_HIGHLIGHT_SELECTED_TEXT, "Hightl&ight Selected Text\tCtrl+I"),
         Cmd(IDM_FIND_NEXT_SELECTED_TEXT, "Find Next Selected Text"),
         Cmd(IDM_FIND_PREVIOUS_SELECTED_TEXT, "Find Previous Selected Text"), Sep(),
         Sub("For&m", {Cmd(IDM_FILL_FORM, "Fill Current Form\tAlt+Q"),
                       Cmd(IDM_SAVE_FORM, "Save Current Form\tAlt+1"),
                       Cmd(IDM_SAVE_GENERAL_FORM, "Save Current Form as General Form\tAlt+2"),
                       Sep(), Cmd(IDM_SET_FORM_DATA, "Set Form Data...")})});
}

// The undo-close submenu must stay the tenth item (kUndoCloseMenuPosition).
MenuItem WindowMenu() {
    return Sub(
        "&Window",
        {Cmd(IDM_PREVIOUS_WINDOW, "Previous Window\tAlt+Up"),
         Cmd(IDM_NEXT_WINDOW, "Next Window\tAlt+Down"),
         Sep(),
         Cmd(IDM_CLOSE, "&Close\tCtrl+W"),
         Cmd(IDM_CLOSE_ALL, "Close All\tCtrl+Shift+W"),
         Cmd(IDM_CLOSE_ALL_KEEP_CURRENT, "Close All &Keep Current\tCtrl+K"),
         Sub("Clos&e Other Tabs", {Cmd(IDM_CLOSE_LEFT, "Close All Left Tabs (<=)"),
                                   Cmd(IDM_CLOSE_RIGHT, "Close All Right Tabs (=>)"), Sep(),
                                   Cmd(IDM_CLOSE_ALIKE_URL, "Close Alike URL Tabs..."),
                                   Cmd(IDM_CLOSE_ALIKE_TITLE, "Close Alike Title Tabs..."), Sep(),
                                   Cmd(IDM_CLOSE_UNMARKED, "Close All UnMarked Tabs")}),
         Sep(),
         Cmd(IDM_PAGE_MANAGER, "Page Manager...\tCtrl+M"),
         Sub("&Undo Close",
             {Cmd(IDM_UNDO_CLOSE, "&Undo Recently Close\tAlt+Z"),
              Cmd(IDM_SET_UNDO_CLOSE, "Set Undo Close..."), Sep()},
             MenuRole::UndoClose),
         Cmd(IDM_CURRENT_VISITING_PAGES, "Current Visiting &Pages..."),
         Sep(),
         Cmd(IDM_LOCK_TAB, "&Lock Tab\tAlt+X"),
         Cmd(IDM_MARK_TAB, "&Mark Tab\tAlt+M"),
         Cmd(IDM_PROTECT_TAB, "Pr&otect Tab..."),
         Cmd(IDM_FIXED_TITLE, "Fixed Title..."),
         Cmd(IDM_FORBID_AUTO_NAVIGATE, "Forbid Auto &Navigate"),
         Sep(),
         Cmd(IDM_ACTIVATE_NEW_WINDOW, "&Activate New Window"),
         Cmd(IDM_NEW_TO_NEXT, "New to Ne&xt"),
         Cmd(IDM_OPEN_LINKS_IN_NEW_WINDOW, "Open Links in New &Window"),
         Cmd(IDM_STOP_OPEN_WINDOWS, "Stop Open Windows"),
         Sep(),
         Cmd(IDM_WINDOW_CASCADE, "Casca&de"),
         Cmd(IDM_WINDOW_TILE_HORZ, "Tile &Horizontally"),
         Cmd(IDM_WINDOW_TILE_VERT, "&Tile Vertically\tCtrl+T"),
         Sep(),
         Cmd(IDM_SHOW_HIDE, "&Show/Hide")},
        MenuRole::WindowList);
}

MenuItem BarsMenu() {
    return Sub(
        "&Toolbars",
        {Cmd(IDM_VIEW_MENU_BAR, "&Menu Bar\tCtrl+F11"), Cmd(IDM_VIEW_TOOLBAR, "Standard &Buttons"),
         Cmd(IDM_VIEW_ADDRESS_BAR, "&Address Bar"), Cmd(IDM_VIEW_LINKS_BAR, "&Links Bar"),
         Cmd(IDM_VIEW_TAB_BAR, "Tab Bar"), Cmd(IDM_VIEW_SEARCH_BAR, "&Search Bar"),
         Cmd(IDM_VIEW_EXTERNAL_BAR, "&External Toolbar"), Cmd(IDM_VIEW_STATUS_BAR, "Status Ba&r"),
         Sep(), Cmd(IDM_LOCK_TOOLBARS, "Loc&k the Toolbars"),
         Cmd(IDM_CUSTOMIZE_TOOLBAR, "&Customize...")});
}

MenuItem AutoScrollMenu() {
    return Sub("Auto Scr&oll",
               {Cmd(IDM_AUTO_SCROLL_CURRENT, "Auto Scroll Current Window"),
                Cmd(IDM_AUTO_SCROLL_ALL, "Auto Scroll All Windows"),
                Cmd(IDM_AUTO_SCROLL_AFTER_DOWNLOAD, "Auto Scroll After Downloading"), Sep(),
                Cmd(IDM_SCROLL_SLOW, "Slow"), Cmd(IDM_SCROLL_MEDIUM, "Medium"),
                Cmd(IDM_SCROLL_FAST, "Fast"), Cmd(IDM_SCROLL_SPEED_UP, "Increase\tCtrl+Up"),
                Cmd(IDM_SCROLL_SPEED_DOWN, "Decrease\tCtrl+Down"), Sep(),
                Cmd(IDM_SCROLL_ONE_LINE, "Auto Scroll Once One Line"),
                Cmd(IDM_SCROLL_QUARTER_PAGE, "Auto Scroll Once 1/4 Page"),
                Cmd(IDM_SCROLL_HALF_PAGE, "Auto Scroll Once 1/2 Page"),
                Cmd(IDM_SCROLL_ONE_PAGE, "Auto Scroll Once One Page"), Sep(),
                Cmd(IDM_SCROLL_PAGE_LEFT, "Scroll Page Left"),
                Cmd(IDM_SCROLL_PAGE_RIGHT, "Scroll Page Right")});
}

MenuItems PageLookItems() {
    return {Sub("Text &Size",
                {Cmd(IDM_TEXT_SIZE_LARGEST, "Largest"), Cmd(IDM_TEXT_SIZE_LARGER, "Larger"),
                 Cmd(IDM_TEXT_SIZE_MEDIUM, "Medium"), Cmd(IDM_TEXT_SIZE_SMALLER, "Smaller"),
                 Cmd(IDM_TEXT_SIZE_SMALLEST, "Smallest")}),
            Sub("&Zoom", {Cmd(IDM_ZOOM_50, "50%"), Cmd(IDM_ZOOM_100, "100%\tCtrl+Num /"),
                          Cmd(IDM_ZOOM_150, "150%"), Sep(), Cmd(IDM_ZOOM_MORE, "More\tCtrl+Num +"),
                          Cmd(IDM_ZOOM_LESS, "Less\tCtrl+Num -")}),
            Sub("En&coding", {Cmd(IDM_ENCODING_AUTO, "&Auto-Select"), Sep(),
                              Cmd(IDM_ENCODING_WESTERN, "Western European (Windows)"),
                              Cmd(IDM_ENCODING_UTF8, "Unicode (UTF-8)"),
                              Cmd(IDM_ENCODING_GB2312, "Chinese Simplified (GB2312)"),
                              Cmd(IDM_ENCODING_BIG5, "Chinese Traditional (Big5)"),
                              Cmd(IDM_ENCODING_SHIFT_JIS, "Japanese (Shift-JIS)"),
                              Cmd(IDM_ENCODING_KOREAN, "Korean")}),
            Sep()};
}

MenuItems PageBehaviourItems() {
    return {Sub("Page Co&ntent",
                {Cmd(IDM_SHOW_IMAGES, "Show &Images"), Cmd(IDM_PLAY_VIDEOS, "Play &Videos"),
                 Cmd(IDM_PLAY_SOUNDS, "Play &Sounds"), Cmd(IDM_ENABLE_SCRIPTS, "Enable Sc&ripts"),
                 Cmd(IDM_ENABLE_JAVA, "Enable &Java"), Cmd(IDM_ENABLE_ACTIVEX, "Enable Active&X"),
                 Sep(), Cmd(IDM_ENABLE_WEB_PROXY, "Enable Web Proxy")}),
            AutoScrollMenu(),
            Sub("Auto R&efresh", {Cmd(IDM_AUTO_REFRESH, "Enable Auto Refresh"),
                                  Cmd(IDM_SET_REFRESH, "Set Refresh Frequency...")}),
            Sub("Bac&kground Color",
                {Cmd(IDM_BG_COLOR_CURRENT, "Show Background Color for &Current Window"),
                 Cmd(IDM_AUTO_BG_COLOR, "Auto Show Background Color")})};
}

MenuItem ViewMenu() {
    MenuItems items = {
        BarsMenu(),
        Sub("E&xplorer Bar",
            {Cmd(IDM_SIDEBAR_FAVORITES, "&Favorites"), Cmd(IDM_SIDEBAR_HISTORY, "&History"),
             Cmd(IDM_SIDEBAR_FOLDER, "F&older"), Cmd(IDM_SIDEBAR_RESOURCE, "&Resource")}),
        Sep(),
        Cmd(IDM_LINK_LIST, "Link &List...\tAlt+L"),
        Cmd(IDM_FULL_SCREEN, "&Full Screen"),
        Cmd(IDM_AUTO_HIDE, "Auto &Hide"),
        Sep(),
        Sub("&Go To", {Cmd(IDM_BACK, "&Back\tAlt+Left"), Cmd(IDM_FORWARD, "&Forward\tAlt+Right"),
                       Cmd(IDM_UP, "&Up"), Cmd(IDM_HOME_PAGE, "&Home Page\tAlt+Home")}),
        Cmd(IDM_STOP, "Sto&p\tEsc"),
        Cmd(IDM_STOP_ALL, "Stop All\tShift+Esc"),
        Cmd(IDM_REFRESH, "&Refresh"),
        Cmd(IDM_REFRESH_ALL, "Refresh All\tShift+F5"),
        Cmd(IDM_COMPLETELY_REFRESH, "Completely Refresh\tCtrl+F5"),
        Sep()};
    for (MenuItems part : {PageLookItems(), PageBehaviourItems()}) {
        std::move(part.begin(), part.end(), std::back_inserter(items));
    }
    return Sub("&View", std::move(items));
}

// The first items of the favorites, groups and search menus are fixed; what follows them
// is rebuilt from the disk and the lists.
MenuItem FavoritesMenu() {
    return Sub("F&avorites",
               {Cmd(IDM_ADD_TO_FAVORITES, "&Add To Favorites...\tCtrl+D"),
                Cmd(IDM_ORGANIZE_FAVORITES, "&Organize Favorites..."),
                Sub("Import and E&xport", {Cmd(IDM_IMPORT_FAVORITES, "&Import Favorites..."),
                                           Cmd(IDM_EXPORT_FAVORITES, "&Export Favorites...")}),
                Sep()},
               MenuRole::Favorites);
}

MenuItem GroupsMenu() {
    return Sub("&Groups",
               {Cmd(IDM_SET_GROUPS, "Set &Groups..."),
                Cmd(IDM_SAVE_WINDOWS_AS_GROUP, "&Save Windows As Group..."),
                Sub("&Add To Group", {}, MenuRole::AddToGroup), Sep()},
               MenuRole::Groups);
}

MenuItem SearchMenu() {
    return Sub(
        "Searc&h",
        {Cmd(IDM_SET_SEARCH_ENGINE, "Set Search Engine..."),
         Cmd(IDM_NOT_SAVE_KEYWORD, "Not Save Keyword"), Cmd(IDM_SEARCH_MATCH_CASE, "Match Case"),
         Cmd(IDM_SEARCH_MATCH_WHOLE, "Match Whole Word"), Sep()},
        MenuRole::Search);
}

MenuItem ToolsMenu() {
    return Sub(
        "&Tools",
        {Cmd(IDM_COLLECTOR, "Collector\tCtrl+G"), Sep(),
         Sub("Ad &Filter", {Cmd(IDM_KILL_POPUP, "Enable Filter &Popup Ad Window\tAlt+P"),
                            Cmd(IDM_FILTER_DIALOG_ADS, "Enable Filter &Dialog Ad Window"),
                            Cmd(IDM_FILTER_AD_CONTENT, "Enable Filter Ad &Content"),
                            Cmd(IDM_FILTER_FLYING_ADS, "Enable Filter Fl&ying Ad\tAlt+Y"), Sep(),
                            Cmd(IDM_ADD_TO_POPUP_FILTER, "Add to Popup Filter...\tCtrl+Q"),
                            Cmd(IDM_ADD_TO_CONTENT_FILTER, "Add to &Filter..."), Sep(),
                            Cmd(IDM_SET_AD_FILTER, "Set Ad Filter...")}),
         Sub("&Proxy",
             {Cmd(IDM_SET_PROXY, "Set Proxy..."), Sep(), Cmd(IDM_USE_IE_PROXY, "Use IE Proxy"),
              Sep()},
             MenuRole::ProxyServers),
         Sub("&Web Proxy", {Cmd(IDM_SET_PROXY, "Set Proxy..."), Sep()}, MenuRole::WebProxies),
         Cmd(IDM_ENABLE_PROXY, "Enable Proxy Server"), Cmd(IDM_IMPORT_PROXY, "Import Proxy..."),
         Cmd(IDM_EXPORT_PROXY, "Export Proxy..."), Sep(),
         Sub("E&xternal Tools",
             {Cmd(IDM_SET_EXTERNAL_TOOLS, "Set External Toolbar..."),
              Cmd(IDM_AUTO_RUN_EXTERNAL, "Auto Run Selected After Downloading\tAlt+R"),
              Cmd(IDM_RUN_SELECTED_EXTERNAL, "Run Selected in Current Window\tCtrl+R"), Sep()},
             MenuRole::ExternalTools),
         Sub("&Mouse", {Cmd(IDM_MOUSE_GESTURE, "Mouse Gesture"),
                        Cmd(IDM_MOUSE_DRAG_PAGE, "Mouse Drag Page")}),
         Sep(),
         Sub("Clea&n",
             {Cmd(IDM_CLEAN_COOKIES, "&Clean Cookies"), Cmd(IDM_CLEAN_HISTORY, "Clean &History"),
              Cmd(IDM_CLEAN_CACHE, "Clean C&ache"),
              Cmd(IDM_CLEAN_FORM_DATA, "Clean Saved Form Data"),
              Cmd(IDM_CLEAN_TYPED_ADDRESS, "Clean Typed A&ddress"),
              Cmd(IDM_CLEAN_TYPED_SEARCH, "Clean Typed Search Keyword"),
              Cmd(IDM_CLEAN_UNDO_CLOSE, "Clean Undo Close"), Sep(),
              Cmd(IDM_CLEAN_ALL, "Clean System A&ll Data...")}),
         Sep(), Cmd(IDM_IMPORT_EXPORT, "&Import/Export..."),
         Cmd(IDM_SELECT_LANGUAGE, "Select &Language..."), Cmd(IDM_OPTIONS, "&Options...")});
}

MenuItems MakeMainMenu() {
    return {FileMenu(),   EditMenu(),      WindowMenu(),
            ViewMenu(),   FavoritesMenu(), GroupsMenu(),
            SearchMenu(), ToolsMenu(),     Sub("Hel&p", {Cmd(IDM_APP_ABOUT, "&About Lumbrel...")})};
}

MenuItems MakeTrayMenu() {
    return {Cmd(IDM_SHOW_HIDE, "&Show/Hide"),
            Sep(),
            Cmd(IDM_BLANK_PAGE, "&Blank Page"),
            Cmd(IDM_UNDO_CLOSE, "&Undo Recently Close"),
            Cmd(IDM_PAGE_MANAGER, "Page Manager..."),
            Sep(),
            Cmd(IDM_CLOSE_ALL, "Close All"),
            Sep(),
            Cmd(IDM_APP_EXIT, "E&xit")};
}

// Opened on a tab: the window commands here act on that tab, not on the active window.
MenuItems MakeTabMenu() {
    return {
        Sub("Send &to",
            {Cmd(IDM_TAB_NEW_WINDOW, "New Window"), Cmd(IDM_TAB_TO_POPUP_FILTER, "Popup Filter"),
             Cmd(IDM_TAB_TO_FAVORITES, "Favorite...")}),
        Sub("A&ssign", {Cmd(IDM_FIXED_TITLE, "Fixed Title..."), Cmd(IDM_URL_ALIAS, "URL Alias..."),
                        Cmd(IDM_QUICK_KEY, "Quick Key...")}),
        Sub("&Add To Group", {}, MenuRole::AddToGroup),
        Cmd(IDM_OPEN_IN_IE, "Open In &Internet Explorer"),
        Sep(),
        Cmd(IDM_PROTECT_TAB, "Pr&otect Tab..."),
        Cmd(IDM_LOCK_TAB, "&Lock Tab"),
        Cmd(IDM_FORBID_AUTO_NAVIGATE, "Forbid Auto &Navigate"),
        Cmd(IDM_MARK_TAB, "&Mark Tab"),
        Sep(),
        Cmd(IDM_TAB_AUTO_REFRESH, "Enable Auto Refresh"),
        Cmd(IDM_TAB_SET_REFRESH, "Set Refresh Frequency..."),
        Cmd(IDM_AUTO_SAVE, "Auto Save"),
        Cmd(IDM_AUTO_SAVE_SORT, "A&uto Save (Sort)..."),
        Sep(),
        Cmd(IDM_STOP, "Sto&p"),
        Cmd(IDM_REFRESH, "&Refresh"),
        Sep(),
        Cmd(IDM_CLOSE, "&Close"),
        Cmd(IDM_CLOSE_ALL, "Close All"),
        Cmd(IDM_TAB_CLOSE_ALL_KEEP_THIS, "Close All &Keep Current"),
        Cmd(IDM_CLOSE_LEFT, "Close All Left Tabs (<=)"),
        Cmd(IDM_CLOSE_RIGHT, "Close All Right Tabs (=>)"),
        Cmd(IDM_CLOSE_ALIKE_URL, "Close Alike URL Tabs..."),
        Cmd(IDM_CLOSE_ALIKE_TITLE, "Close Alike Title Tabs..."),
        Cmd(IDM_CLOSE_UNMARKED, "Close All UnMarked Tabs")};
}

}  // namespace

const MenuItems& BuiltinMainMenu() {
    static const MenuItems menu = MakeMainMenu();
    return menu;
}

int NewWindowMenuCommand(int position) {
    static const MenuItem* const menu =
        ItemAt(BuiltinMainMenu(), *FindRole(BuiltinMainMenu(), MenuRole::NewWindow));
    if (position < 0 || static_cast<size_t>(position) >= menu->items.size())
        return 0;
    const MenuItem& item = menu->items[static_cast<size_t>(position)];
    return item.kind == MenuItemKind::Command ? item.id : 0;
}

const MenuItems& BuiltinTrayMenu() {
    static const MenuItems menu = MakeTrayMenu();
    return menu;
}

const MenuItems& BuiltinFavUrlMenu() {
    static const MenuItems menu = {Cmd(IDM_FAVBAR_OPEN_NEW_WINDOW, "Open in New Window"), Sep(),
                                   Cmd(IDM_FAVBAR_DELETE, "Delete")};
    return menu;
}

const MenuItems& BuiltinFavFolderMenu() {
    static const MenuItems menu = {Cmd(IDM_FAVBAR_OPEN_ALL_LINKS, "Open All Links"), Sep(),
                                   Cmd(IDM_FAVBAR_RESET_ORDER, "Reset Order")};
    return menu;
}

const MenuItems& BuiltinTabMenu() {
    static const MenuItems menu = MakeTabMenu();
    return menu;
}

}  // namespace lumbrel
