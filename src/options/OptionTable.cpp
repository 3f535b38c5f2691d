#include "options/OptionTable.h"

#include <array>

namespace lumbrel {
namespace {

using P = OptionPageId;
using K = FieldKind;

constexpr int Parent(P id) {
    return static_cast<int>(id);
}

constexpr OptionPageInfo kPages[] = {
    {P::General, kNoParentPage, "General", "DialogGeneralProp", "CGeneralProp"},
    {P::Start, Parent(P::General), "Start", "DialogStartProp", "CStartProp"},
    {P::Window, Parent(P::General), "Window", "DialogWindowProp", "CWindowProp"},
    {P::Confirm, Parent(P::General), "Confirm", "DialogConfirmProp", "CConfirmProp"},
    {P::Tab, kNoParentPage, "Tab", "DialogTabProp", "CTabProp"},
    {P::TabStyle, Parent(P::Tab), "Tab Style", "DialogTabStyleProp", "CTabStyleProp"},
    {P::PopupFilter, kNoParentPage, "Popup Filter", "DialogPopupFilter", "CPopupDlg"},
    {P::ContentFilter, Parent(P::PopupFilter), "Content Filter", "DialogContentFilter",
     "CUrlFilterProp"},
    {P::Gesture, kNoParentPage, "Gesture", "DialogMouseProp", "CGestureProp"},
    {P::MouseDrag, Parent(P::Gesture), "Mouse Drag", "DialogMouseDragProp", "CMouseProp"},
    {P::Download, kNoParentPage, "Download", "DialogDownProp", "CDownProp"},
    {P::Save, kNoParentPage, "Save", "DialogSaveProp", "CSaveProp"},
    {P::Delete, Parent(P::Save), "Collector Output", "DialogDeleteProp", "CDeleteProp"},
    {P::Menu, kNoParentPage, "Menu", "DialogMenuProp", "CMenuProp"},
    {P::StatusBar, kNoParentPage, "Status Bar", "DialogStatusBarProp", "CStatusBarProp"},
    {P::Toolbar, kNoParentPage, "Toolbar", "DialogToolbarProp", "CToolbarProp"},
    {P::Other, kNoParentPage, "Other", "DialogOtherProp", "COtherProp"},
};
static_assert(std::size(kPages) == kOptionPageCount);

constexpr ChoiceItem kStartupModes[] = {
    {"Blank Page", 0},
    {"Home Page", 1},
    {"Last Visited Pages (Ask)", 2},
    {"Last Visited Pages", 3},
    {"Startup Favorites Folder", 4},
    {"Startup Group", 5},
    {"None", 6},
};
constexpr ChoiceItem kCloseSequences[] = {
    {"Activate the Last Window", 0},
    {"Activate the Right Window", 1},
    {"Activate the Left Window", 2},
    {"Leave It to the System", 3},
};
constexpr ChoiceItem kNewWindowItems[] = {
    {"Blank Page", 0},     {"Home Page", 2},    {"From Clipboard", 3},  {"Selected Text", 5},
    {"Selected Links", 6}, {"Current Page", 8}, {"Current Up Page", 9}, {"Current Root Page", 10},
};
constexpr ChoiceItem kClipboardMonitor[] = {
    {"Off", 0},
    {"Show Copied Addresses in a Blank Page", 1},
    {"Show Any Copied Text in a Blank Page", 2},
};
constexpr ChoiceItem kClickClose[] = {
    {"Off", 0},
    {"Right Click on the Tab Image", 1},
    {"Left Click on the Tab Image", 2},
};
constexpr ChoiceItem kTabActions[] = {
    {"None", 0},      {"Close", 1}, {"Save As", 2}, {"Save HTML", 3},
    {"Auto Save", 4}, {"Lock", 5},  {"Refresh", 6}, {"Auto Save (Sort)", 7},
};
constexpr ChoiceItem kTabStyles[] = {
    {"Normal Tab", 0},
    {"Flat Tab", 1},
    {"Flat Button", 2},
};
constexpr ChoiceItem kDownAll[] = {
    {"None", 0},
    {"My Computer Page", 1},
    {"My Computer Page and Intranet Page", 2},
};
constexpr ChoiceItem kAutoSaveTypes[] = {
    {"Whole Web Page(.htm, .html)", 0}, {"Whole Web Page(.mht)", 1}, {"Original Page HTML", 2},
    {"Save Whole Content", 3},          {"Web Page HTML", 4},        {"Text File(.txt)", 5},
};
constexpr ChoiceItem kFtpOpen[] = {
    {"In the Browser", 0},
    {"With Internet Explorer", 1},
    {"With the Program Below", 2},
};
constexpr ChoiceItem kMenuStyles[] = {
    {"System Menus", 0},
    {"Menus with Icons", 1},
};
constexpr ChoiceItem kTextOptions[] = {
    {"No Text Labels", 0},
    {"Show Text Labels", 1},
    {"Selective Text on Right", 2},
};
constexpr ChoiceItem kIconOptions[] = {
    {"Large Icons", 0},
    {"Small Icons", 1},
};

// Control ids of the pages whose templates were not fixed before: 2000 + 50 per page.
constexpr int Id(P page, int n) {
    return 2000 + 50 * static_cast<int>(page) + n;
}

constexpr OptionField Check(P page, int id, const char* text, const IntSetting& key,
                            unsigned effects = kRedoNothing) {
    return {page, id, K::Check, text, &key, nullptr, nullptr, 0, 1, 0, {}, effects};
}
constexpr OptionField Bit(P page, int id, const char* text, const IntSetting& key, int mask,
                          unsigned effects = kRedoNothing) {
    return {page, id, K::Bit, text, &key, nullptr, nullptr, mask, mask, 0, {}, effects};
}
constexpr OptionField Number(P page, int id, const char* text, const IntSetting& key, int low,
                             int high, unsigned effects = kRedoNothing) {
    return {page, id, K::Number, text, &key, nullptr, nullptr, low, high, 0, {}, effects};
}
constexpr OptionField Choice(P page, int id, const char* text, const IntSetting& key,
                             std::span<const ChoiceItem> choices, unsigned effects = kRedoNothing,
                             FieldKind kind = K::Choice) {
    return {page, id, kind, text, &key, nullptr, nullptr, 0, 0, 0, choices, effects};
}
constexpr OptionField Text(P page, int id, const char* text, const TextSetting& key,
                           unsigned effects = kRedoNothing, FieldKind kind = K::Text) {
    return {page, id, kind, text, nullptr, &key, nullptr, 0, 0, 0, {}, effects};
}
constexpr OptionField Typed(P page, int id, FieldKind kind, const char* text, const IntSetting& key,
                            unsigned effects = kRedoNothing) {
    return {page, id, kind, text, &key, nullptr, nullptr, 0, 0, 0, {}, effects};
}
constexpr OptionField Hosted(P page, const IntSetting& key, unsigned effects) {
    return {page, 0, K::Hosted, "", &key, nullptr, nullptr, 0, 0, 0, {}, effects};
}

constexpr unsigned kTab = kRedoTabLayout;
constexpr unsigned kFilter = kRedoFilterHandler;
constexpr unsigned kMouse = kRedoMouse;
constexpr unsigned kTray = kRedoTrayIcon;
constexpr unsigned kMenus = kRedoMenus;
constexpr unsigned kBar = kRedoToolbar;

namespace k = keys;

const OptionField kFields[] = {
    // General
    Check(P::General, Id(P::General, 1), "Refuse a Second Start Without an Address", k::ForbidMult),
    Number(P::General, Id(P::General, 2),
           "Most Windows Opened from a Folder (0: no limit):", k::MaxWins, 0, 9999),
    Number(P::General, Id(P::General, 3), "Seconds Between Windows Opened in Turn:", k::Interval, 0,
           3600),
    Check(P::General, Id(P::General, 4), "Keep One Page Open", k::KeepOnePage),
    Check(P::General, Id(P::General, 5), "Don't Show the Page Title in the Main Window",
          k::ForbidMainTitle),
    {P::General,
     Id(P::General, 6),
     K::HotKeyPair,
     "Show/Hide Hot Key:",
     &k::ShowHideModifiers,
     nullptr,
     &k::ShowHideKey,
     0,
     0,
     0,
     {},
     kRedoHotKey},
    Typed(P::General, Id(P::General, 7), K::HotKey, "Full Screen Key:", k::FullScreenShow,
          kRedoHotKey),
    Typed(P::General, Id(P::General, 8), K::HotKey, "Auto Hide Key:", k::AutoHideShow, kRedoHotKey),
    Check(P::General, Id(P::General, 9), "Show Tray Icon", k::ShowTrayIcon, kTray),
    Check(P::General, Id(P::General, 10), "Minimize to Tray", k::MinimizeToTray, kTray),
    Check(P::General, Id(P::General, 11), "Close to Tray", k::CloseToTray, kTray),
    Check(P::General, Id(P::General, 12), "Close All Windows When Closing to Tray",
          k::CloseAllWhenCloseToTray, kTray),

    // Start, with "Close Mode"
    Choice(P::Start, Id(P::Start, 1), "Start With:", k::StartupMode, kStartupModes),
    Check(P::Start, Id(P::Start, 2), "Load Last Closed Pages into the Undo Menu",
          k::MenuLoadLastClose, kMenus),
    Check(P::Start, Id(P::Start, 10), "Clean Cookies", k::CloseCleanCookies),
    Check(P::Start, Id(P::Start, 11), "Clean History", k::CloseCleanHistory),
    Check(P::Start, Id(P::Start, 12), "Clean Cache", k::CloseCleanCache),
    Check(P::Start, Id(P::Start, 13), "Clean Saved Form Data", k::CloseCleanFormData),
    Check(P::Start, Id(P::Start, 14), "Clean Typed Address", k::CloseCleanTypedAddress),
    Check(P::Start, Id(P::Start, 15), "Clean Typed Search Keyword", k::CloseCleanTypedSearch),
    Check(P::Start, Id(P::Start, 16), "Clean Undo Close", k::CloseCleanUndoClose),

    // Window
    Check(P::Window, Id(P::Window, 1), "Open Typed Addresses in a New Window",
          k::AddressInNewWindow),
    Check(P::Window, Id(P::Window, 2), "Open Links in a New Window", k::LinkInNewWindow),
    Check(P::Window, Id(P::Window, 3), "Open Favorites in a New Window", k::FavInNewWindow),
    Check(P::Window, Id(P::Window, 4), "Open History in a New Window", k::HisInNewWindow),
    Check(P::Window, Id(P::Window, 5), "Open Files in a New Window", k::FileInNewWindow),
    Check(P::Window, Id(P::Window, 6), "Open the Home Page in a New Window", k::HomeInNewWindow),
    Check(P::Window, Id(P::Window, 7), "Activate Windows Opened from Files", k::ActiveFileNew),
    Check(P::Window, Id(P::Window, 8), "Activate Windows Opened from the Address Box",
          k::ActiveNewAddress),
    Check(P::Window, Id(P::Window, 9), "Open Folders with the Shell", k::OpenFolderOut),
    Choice(P::Window, Id(P::Window, 10), "New Window Opens:", k::NewWindow, kNewWindowItems,
           kMenus),
    Choice(P::Window, Id(P::Window, 11), "After Closing a Window:", k::CloseSequence,
           kCloseSequences),
    Choice(P::Window, Id(P::Window, 12), "Clipboard in a Blank Page:", k::BlankMonitorClip,
           kClipboardMonitor),

    // Confirm
    Check(P::Confirm, Id(P::Confirm, 1), "Confirm Exit", k::ConfirmExit),
    Check(P::Confirm, Id(P::Confirm, 2), "Confirm Close All", k::ConfirmCloseAll),
    Check(P::Confirm, Id(P::Confirm, 3), "Confirm Close All Except the Current",
          k::ConfirmCloseAllKeepCur),
    Check(P::Confirm, Id(P::Confirm, 4), "Confirm Closing a Locked Window", k::ConfirmCloseLock),
    Check(P::Confirm, Id(P::Confirm, 5), "Confirm Exit While Downloading", k::ConfirmExitDowning),

    // Tab
    Check(P::Tab, Id(P::Tab, 1), "Show Tab Numbers", k::ShowIndex, kTab),
    Check(P::Tab, Id(P::Tab, 2), "End Cut Titles with Dots", k::ShowDot, kTab),
    Check(P::Tab, Id(P::Tab, 3), "Mark Read Pages", k::ShowRead, kTab),
    Choice(P::Tab, Id(P::Tab, 4), "Close by the Tab Image:", k::ClickClose, kClickClose, kTab),
    Choice(P::Tab, Id(P::Tab, 5), "Double Click on a Tab:", k::AllowDBC, kTabActions, kTab),
    Choice(P::Tab, Id(P::Tab, 6), "Middle Click on a Tab:", k::AllowMC, kTabActions, kTab),
    Choice(P::Tab, Id(P::Tab, 7), "Ctrl+Right Click on a Tab:", k::AllowRC, kTabActions, kTab),
    Typed(P::Tab, Id(P::Tab, 8), K::Command, "Left Double Click on the Bar:", k::LDbClickTabBlank,
          kTab),
    Typed(P::Tab, Id(P::Tab, 9), K::Command, "Right Double Click on the Bar:", k::RDbClickTabBlank,
          kTab),
    Check(P::Tab, Id(P::Tab, 10), "Switch Windows with the Wheel over the Tabs", k::WheelOnTab,
          kTab),
    Check(P::Tab, Id(P::Tab, 11), "Switch Windows with the Wheel While the Right Button Is Held",
          k::WheelTab, kMouse),

    // Tab style
    Choice(P::TabStyle, Id(P::TabStyle, 1), "Style:", k::TabStyle, kTabStyles, kTab, K::Radio),
    Check(P::TabStyle, Id(P::TabStyle, 5), "Place Tab at Top", k::TabPos, kTab),
    Typed(P::TabStyle, Id(P::TabStyle, 6), K::Colour, "Unselected Tab Color...", k::UnSelColor,
          kTab),
    Typed(P::TabStyle, Id(P::TabStyle, 7), K::Colour, "Unselected Tab Font Color...",
          k::UnSelFontColor, kTab),
    Typed(P::TabStyle, Id(P::TabStyle, 8), K::Colour, "Selected Tab Font Color...", k::SelFontColor,
          kTab),
    Typed(P::TabStyle, Id(P::TabStyle, 9), K::Colour, "Tab Separator Color...", k::SepColor, kTab),

    // Popup filter: the control ids of the shipped page
    Check(P::PopupFilter, 1203, "Enable Filter Popup Ad Window", k::KillPop, kFilter),
    Check(P::PopupFilter, 1222, "Enable Filter Auto Popup Ad Window", k::KillAutoWin, kFilter),
    Check(P::PopupFilter, 1127, "Enable Filter Duplicate Popup Ad Window", k::KillDupWin, kFilter),
    Check(P::PopupFilter, 1000, "Enable Filter List Popup Ad Window (can use *)", k::KillListWin,
          kFilter),
    Check(P::PopupFilter, 1223, "Don't Show Confirm Dialog of Filter Auto Popup Ad Window",
          k::NotConfirmPopupFilter, kFilter),
    Check(P::PopupFilter, 1297, "Play Sound When Filter Popup Ad Window", k::PlayPopupFilterSound,
          kFilter),
    {P::PopupFilter,
     1463,
     K::Slider,
     "Auto Popup Filter Level:",
     &k::PopupBound,
     nullptr,
     nullptr,
     80,
     160,
     20,
     {},
     kFilter},
    Check(P::PopupFilter, 1298, "Filter Auto Popup Ad Window When Refresh Page", k::FilterRefresh,
          kFilter),
    Check(P::PopupFilter, 1299, "Disable Filter Dialog Window When Click Page",
          k::NotFilterClickDialog, kFilter),

    // Content filter
    Check(P::ContentFilter, 1181, "Enable Filter List Ad Content (Can use *)", k::UseUrlFilter,
          kFilter),
    Check(P::ContentFilter, 1467, "Kill Blank Ad Content As:", k::KillBlank, kRedoKillBlank),
    Text(P::ContentFilter, 1468, "", k::BlankContent, kRedoKillBlank),

    // Gestures and button actions: the page's model edits them
    Hosted(P::Gesture, k::LButtonDown, kMouse),
    Hosted(P::Gesture, k::LDbClick, kMouse),
    Hosted(P::Gesture, k::MButtonDown, kMouse),
    Hosted(P::Gesture, k::RButtonDown, kMouse),
    Hosted(P::Gesture, k::LeftRight, kMouse),
    Hosted(P::Gesture, k::RightLeft, kMouse),
    Hosted(P::Gesture, k::ShowGesture, kMouse),

    // Drag actions
    Hosted(P::MouseDrag, k::ImgUp, kMouse),
    Hosted(P::MouseDrag, k::ImgDown, kMouse),
    Hosted(P::MouseDrag, k::ImgLeft, kMouse),
    Hosted(P::MouseDrag, k::ImgRight, kMouse),
    Hosted(P::MouseDrag, k::LinkUp, kMouse),
    Hosted(P::MouseDrag, k::LinkDown, kMouse),
    Hosted(P::MouseDrag, k::LinkLeft, kMouse),
    Hosted(P::MouseDrag, k::LinkRight, kMouse),
    Hosted(P::MouseDrag, k::TextUp, kMouse),
    Hosted(P::MouseDrag, k::TextDown, kMouse),
    Hosted(P::MouseDrag, k::TextLeft, kMouse),
    Hosted(P::MouseDrag, k::TextRight, kMouse),
    Hosted(P::MouseDrag, k::SimuDragLink, kMouse),

    // Download
    {P::Download,
     Id(P::Download, 1),
     K::Managers,
     "Download Manager:",
     &downManagerKeys::ManagerIndex,
     nullptr,
     nullptr,
     0,
     0,
     0,
     {},
     kRedoDownloads,
     OptionFile::DownManager},
    {P::Download,
     Id(P::Download, 2),
     K::Text,
     "Monitored File Types:",
     nullptr,
     &downManagerKeys::MonitorFileType,
     nullptr,
     0,
     0,
     0,
     {},
     kRedoDownloads,
     OptionFile::DownManager},
    Choice(P::Download, Id(P::Download, 4), "Download Without Asking From:", k::DownAll, kDownAll),
    Bit(P::Download, Id(P::Download, 5), "Display Images", k::DefaultProperty, 16),
    Bit(P::Download, Id(P::Download, 6), "Play Videos", k::DefaultProperty, 32),
    Bit(P::Download, Id(P::Download, 7), "Play Background Sounds", k::DefaultProperty, 64),

    // Save
    Text(P::Save, Id(P::Save, 1), "Save Pages In:", k::DefaultDir, kRedoNothing, K::Path),
    Text(P::Save, Id(P::Save, 2), "Sort Pages In:", k::DefaultDirSort, kRedoNothing, K::Path),
    Text(P::Save, Id(P::Save, 3), "Save Images In:", k::ImagePath, kRedoNothing, K::Path),
    Choice(P::Save, Id(P::Save, 4), "Auto Save As:", k::AutoSave, kAutoSaveTypes),
    Check(P::Save, Id(P::Save, 5), "Pages in a Folder per Site", k::CateWithSite),
    Check(P::Save, Id(P::Save, 6), "Images in a Folder per Site", k::ImgCateWithSite),
    Check(P::Save, Id(P::Save, 7), "Name Files by Page Title", k::NameByTitle),
    Check(P::Save, Id(P::Save, 8), "Pages in a Folder per Date", k::SavePageByDate),

    // Collector output
    Check(P::Delete, Id(P::Delete, 1), "Time of Each Line", k::OutputSaveTime),
    Check(P::Delete, Id(P::Delete, 2), "Filtered Popup Windows", k::OutputSaveFilter),
    Check(P::Delete, Id(P::Delete, 3), "Filtered Ad Content", k::OutputSaveUrlFilter, kFilter),
    Check(P::Delete, Id(P::Delete, 4), "Saved Pages", k::OutputSavePage),
    Check(P::Delete, Id(P::Delete, 5), "Saved Images", k::OutputSaveImg),
    Check(P::Delete, Id(P::Delete, 6), "Saved Texts", k::OutputSaveText),
    Check(P::Delete, Id(P::Delete, 7), "Empty the Output at Exit", k::OutputAutoClean),
    Check(P::Delete, Id(P::Delete, 8), "Add Collected Text at the Bottom", k::CollectorAddtoBottom),
    Number(P::Delete, Id(P::Delete, 9), "Collector Opacity (5-255):", k::CollectorTrans, 5, 255),
    Number(P::Delete, Id(P::Delete, 10), "Monitor Opacity (5-255):", k::MonitorTrans, 5, 255),

    // Menu
    Check(P::Menu, Id(P::Menu, 1), "Compact Favorites Bar", k::CompactFavBar, kMenus),
    Number(P::Menu, Id(P::Menu, 2), "Longest Menu Title:", k::MenuSize, 10, 255, kMenus),
    Check(P::Menu, Id(P::Menu, 3), "Show \"Open All\" in Folders", k::DisplayOpenAll, kMenus),
    Check(P::Menu, Id(P::Menu, 4), "Show \"Add to Favorites\" in Folders", k::DisplayAddFav,
          kMenus),
    Check(P::Menu, Id(P::Menu, 5), "Show Hidden Favorites", k::ShowHiddenFav, kMenus),
    Check(P::Menu, Id(P::Menu, 6), "Favorites in One Menu", k::SingleMenu, kMenus),
    Check(P::Menu, Id(P::Menu, 7), "Show the Address of Favorites", k::FavShowUrl, kMenus),
    Check(P::Menu, Id(P::Menu, 8), "Use the System's Favorites Folder", k::UseDefaultFavPath,
          kMenus),
    Text(P::Menu, Id(P::Menu, 9), "Favorites Folder:", k::FavPath, kMenus, K::Path),
    Check(P::Menu, Id(P::Menu, 10), "Use the System's Links Folder", k::UseDefaultLinkPath, kMenus),
    Text(P::Menu, Id(P::Menu, 11), "Links Folder:", k::LinkPath, kMenus, K::Path),
    Choice(P::Menu, Id(P::Menu, 12), "Menu Style:", k::MenuStyle, kMenuStyles, kMenus),
    Check(P::Menu, Id(P::Menu, 13), "Show the Proxy Menu", k::GoProxyMenu, kMenus),

    // Status bar
    Text(P::StatusBar, Id(P::StatusBar, 1), "Information Pane Template:", k::StatusDispFormat,
         kRedoStatusBar),

    // Toolbar
    Choice(P::Toolbar, Id(P::Toolbar, 1), "Text Options:", k::TextLabel, kTextOptions, kBar),
    Choice(P::Toolbar, Id(P::Toolbar, 2), "Icon Options:", k::SmallToolbar, kIconOptions, kBar),
    Check(P::Toolbar, Id(P::Toolbar, 3), "Use Color Icons", k::ColorIcon, kBar),
    Check(P::Toolbar, Id(P::Toolbar, 4), "Show Bar Labels", k::ShowToolbarLabel, kBar),
    Check(P::Toolbar, Id(P::Toolbar, 5), "Show the Address Bar's Go Button",
          k::ShowAddressBarButton, kBar),
    Check(P::Toolbar, Id(P::Toolbar, 6), "Show the Search Bar's Button", k::ShowSearchBarButton,
          kBar),
    Check(P::Toolbar, Id(P::Toolbar, 7), "Show Page Icons in the Address List", k::ComboShowIcon,
          kBar),

    // Other
    Check(P::Other, Id(P::Other, 1), "Use the Target Frame Name", k::UseTargetFrameName),
    Check(P::Other, Id(P::Other, 2), "Confirm Unsafe Pages", k::ConfirmUnsafePage),
    Check(P::Other, Id(P::Other, 3), "Reload Images Not Shown", k::ReloadUnShownImage),
    Check(P::Other, Id(P::Other, 4), "Disable Script Debugging", k::Silent),
    Text(P::Other, Id(P::Other, 5), "Group Folder:", k::GroupPath, kMenus, K::Path),
    Text(P::Other, Id(P::Other, 6), "Skin Folder:", k::SkinPath, kRedoSkin, K::Path),
    Choice(P::Other, Id(P::Other, 7), "Open Ftp Addresses:", k::FtpOpenType, kFtpOpen),
    Text(P::Other, Id(P::Other, 8), "Ftp Program:", k::FtpExePath, kRedoNothing, K::Program),
    Text(P::Other, Id(P::Other, 9), "Ctrl+Enter Prefix:", k::CtrlEnterPrefix),
    Text(P::Other, Id(P::Other, 10), "Ctrl+Enter Suffix:", k::CtrlEnterSuffix),
    Text(P::Other, Id(P::Other, 11), "Shift+Enter Prefix:", k::ShiftEnterPrefix),
    Text(P::Other, Id(P::Other, 12), "Shift+Enter Suffix:", k::ShiftEnterSuffix),
    Text(P::Other, Id(P::Other, 13), "Ctrl+Shift+Enter Prefix:", k::CtrlShiftEnterPrefix),
    Text(P::Other, Id(P::Other, 14), "Ctrl+Shift+Enter Suffix:", k::CtrlShiftEnterSuffix),
};

constexpr OptionHeading kHeadings[] = {
    {P::Start, Id(P::Start, 10), Id(P::Start, 9), "Close Mode"},
};

}  // namespace

std::span<const OptionHeading> OptionHeadings() {
    return kHeadings;
}

std::span<const OptionPageInfo> OptionPages() {
    return kPages;
}

const OptionPageInfo& OptionPage(OptionPageId id) {
    return kPages[static_cast<int>(id)];
}

std::span<const OptionField> OptionFields() {
    return kFields;
}

}  // namespace lumbrel
