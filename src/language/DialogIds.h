// Resource ids of the dialog templates and their controls, shared by the .rc file and the
// code that runs the dialogs. Language files translate a control under its decimal id in the
// dialog's section, so an id never changes once shipped. Plain macros for the .rc file.
//
// Ids 1-9 are the standard buttons (IDOK, IDCANCEL, ...), translated for every dialog from
// "StringGeneral"; controls of our own start at 1000. Different dialogs may reuse an id.
#pragma once

// Language selection ("DialogSelectLang"): a prompt over a list of the language files with
// the columns "File Name" and "Language", and OK / Cancel.
#define IDD_SELECT_LANG 300
#define IDC_LANG_PROMPT 1600
#define IDC_LANG_LIST 1601

// The general input box ("DialogInput"): a prompt, one line of text, OK / Cancel,
// "&Copy Selected" and "&Up URL" (which reads "Save" for a text that is no address).
#define IDD_INPUT 301
#define IDC_INPUT_PROMPT 1610
#define IDC_INPUT_TEXT 1611
#define IDC_INPUT_COPY 1612
#define IDC_INPUT_UP 1613

// The password box ("DialogPassword"): a prompt, the hidden password, "Remember the
// Password", OK / Cancel.
#define IDD_PASSWORD 302
#define IDC_PASSWORD_PROMPT 1620
#define IDC_PASSWORD_TEXT 1621
#define IDC_PASSWORD_REMEMBER 1622

// A whole number ("DialogNumber"): the caption and the field's prompt come with the question
// ("Set Refresh Frequency", "Refresh Frequency (S) :"), OK / Cancel.
#define IDD_NUMBER 307
#define IDC_NUMBER_PROMPT 1760
#define IDC_NUMBER_TEXT 1761

// "Open File" ("DialogOpen"): an address box, "Open In New Window", "Direct Open Local File",
// "B&rowse...", OK / Cancel.
#define IDD_OPEN_ADDRESS 303
#define IDC_OPEN_PROMPT 1630
#define IDC_OPEN_ADDRESS 1631
#define IDC_OPEN_IN_NEW 1632
#define IDC_OPEN_DIRECT 1633
#define IDC_OPEN_BROWSE 1634

// URL alias ("DialogAlias"): the alias and its address, OK / Cancel.
#define IDD_ALIAS 304
#define IDC_ALIAS_NAME 1640
#define IDC_ALIAS_URL 1641

// Quick keys ("DialogKey"): one address (or "|" list) per key F2 ... F12, F4 as F9, OK / Cancel.
#define IDD_QUICK_KEYS 305
#define IDC_QUICK_KEY_FIRST 1650  // ... 1660, the edit fields of F2 ... F12
#define IDC_QUICK_KEY_IE 1661

// "Confirm Filter Auto Popup Ad Window" ("DialogPopupConfirm"): the window's address, "Add to
// Filter List ( Can Modify With * )", "Don't show the dialog again", OK / Cancel.
#define IDD_POPUP_CONFIRM 291
#define IDC_POPUP_CONFIRM_PROMPT 1690
#define IDC_POPUP_CONFIRM_URL 1691
#define IDC_POPUP_CONFIRM_ADD 1692
#define IDC_POPUP_CONFIRM_NO_ASK 1693

// "Confirm" of "Add to Popup Filter..." ("DialogAddToPopup"): the address to add, "Close The
// Page", OK / Cancel.
#define IDD_ADD_TO_POPUP 295
#define IDC_ADD_POPUP_PROMPT 1695
#define IDC_ADD_POPUP_URL 1696
#define IDC_ADD_POPUP_CLOSE 1697

// The Page Manager ("DialogPageManager"): a tab strip over a list of pages with a tick per row,
// the buttons that act on the rows, "&Work Offline", OK / Cancel.
#define IDD_PAGE_MANAGER 306
#define IDC_PM_TABS 1670
#define IDC_PM_LIST 1671
#define IDC_PM_SELECT_ALL 1672
#define IDC_PM_SELECT_NONE 1673
#define IDC_PM_OPEN_CURRENT 1674
#define IDC_PM_OPEN_SELECTED 1675
#define IDC_PM_DELETE_CURRENT 1676
#define IDC_PM_DELETE_SELECTED 1677
#define IDC_PM_EDIT_TITLE 1678
#define IDC_PM_EDIT_URL 1679
#define IDC_PM_WORK_OFFLINE 1680

// The download-control boxes of "URL in Group" and "Add to Favorite": "Use Special Download
// Control" and the six boxes it enables.
#define IDC_DL_SPECIAL 1700
#define IDC_DL_IMAGES 1701
#define IDC_DL_SOUNDS 1702
#define IDC_DL_VIDEOS 1703
#define IDC_DL_ACTIVEX 1704
#define IDC_DL_JAVA 1705
#define IDC_DL_SCRIPT 1706

// "URL in Group" ("DialogGroupUrl"): name, address, "Open the url when open group", the
// download-control boxes, OK / Cancel.
#define IDD_GROUP_URL 182
#define IDC_GROUP_URL_NAME_LABEL 1710
#define IDC_GROUP_URL_NAME 1711
#define IDC_GROUP_URL_URL_LABEL 1712
#define IDC_GROUP_URL_URL 1713
#define IDC_GROUP_URL_OPENS 1714

// "Select URL" ("DialogGroupSelect"): the open pages with a tick each, "Select &All",
// "Select &None", "&Edit", a spin that moves the selected line, "Group Name:" with the
// existing groups, "Get &Time", OK / Cancel.
#define IDD_GROUP_SELECT 284
#define IDC_GROUP_SELECT_LIST 1720
#define IDC_GROUP_SELECT_ALL 1721
#define IDC_GROUP_SELECT_NONE 1722
#define IDC_GROUP_SELECT_EDIT 1723
#define IDC_GROUP_SELECT_SPIN 1724
#define IDC_GROUP_SELECT_NAME_LABEL 1725
#define IDC_GROUP_SELECT_NAME 1726
#define IDC_GROUP_SELECT_TIME 1727

// "Set Groups" ("DialogGroup"): "Existing Groups:" (the ticked one starts with the program)
// with Insert / Delete, "Group Member:" (ticked ones open with the group) with Insert /
// Delete / Edit and a spin, the two menu switches and the note, OK / Cancel.
#define IDD_SET_GROUPS 181
#define IDC_GROUPS_LABEL 1730
#define IDC_GROUPS_LIST 1731
#define IDC_GROUPS_INSERT 1732
#define IDC_GROUPS_DELETE 1733
#define IDC_MEMBERS_LABEL 1734
#define IDC_MEMBERS_LIST 1735
#define IDC_MEMBERS_INSERT 1736
#define IDC_MEMBERS_DELETE 1737
#define IDC_MEMBERS_EDIT 1738
#define IDC_MEMBERS_SPIN 1739
#define IDC_GROUPS_SHOW_MEMBERS 1740
#define IDC_GROUPS_CLOSE_ALL 1741
#define IDC_GROUPS_NOTE 1742

// "Add to Favorite" ("DialogAddToFav"): name, address, folder, the download-control boxes,
// OK / Cancel.
#define IDD_ADD_TO_FAVORITE 211
#define IDC_ADD_FAV_NAME_LABEL 1750
#define IDC_ADD_FAV_NAME 1751
#define IDC_ADD_FAV_URL_LABEL 1752
#define IDC_ADD_FAV_URL 1753
#define IDC_ADD_FAV_FOLDER_LABEL 1754
#define IDC_ADD_FAV_FOLDER 1755

// The options dialog ("DialogOptions"): the tree of pages, the area the page shows in, OK,
// Cancel and "&Apply". Every page is a child dialog of IDD_OPTIONS_PAGE whose controls are
// made from the table of option fields (ids 2000 and up, labels 3000 higher) and translated
// from the page's own section.
#define IDD_OPTIONS 320
#define IDD_OPTIONS_PAGE 321
#define IDC_OPTIONS_TREE 1800
#define IDC_OPTIONS_PAGE_AREA 1801
#define IDC_OPTIONS_APPLY 1802

// The filter pages' lists ("DialogPopupFilter" 141 and 142, "DialogContentFilter" 1101 and
// 1102) with their "Insert", "Edit" and "Delete" buttons, and the label of the second list.
#define IDC_POPUP_FILTER_LIST 141
#define IDC_POPUP_UNFILTER_LIST 142
#define IDC_CONTENT_FILTER_LIST 1101
#define IDC_CONTENT_UNFILTER_LIST 1102
#define IDC_FILTER_INSERT 1002
#define IDC_FILTER_EDIT 1003
#define IDC_FILTER_DELETE 1004
#define IDC_UNFILTER_INSERT 1006
#define IDC_UNFILTER_EDIT 1008
#define IDC_UNFILTER_DELETE 1007
#define IDC_UNFILTER_LABEL 1005

// "Gesture" ("DialogMouseProp"): the rows, the command box, the gesture box, the letter
// buttons and "X", "&New", "&Insert", "&Delete", the spin and the status-bar switch.
#define IDC_GESTURE_LIST 1810
#define IDC_GESTURE_COMMAND 1811
#define IDC_GESTURE_BOX 1812
#define IDC_GESTURE_UP 1813
#define IDC_GESTURE_DOWN 1814
#define IDC_GESTURE_LEFT 1815
#define IDC_GESTURE_RIGHT 1816
#define IDC_GESTURE_ERASE 1817
#define IDC_GESTURE_NEW 1818
#define IDC_GESTURE_INSERT 1819
#define IDC_GESTURE_DELETE 1820
#define IDC_GESTURE_SPIN 1821
#define IDC_GESTURE_SHOW 1822
#define IDC_GESTURE_COMMAND_LABEL 1823

// "Mouse Drag" ("DialogMouseDragProp"): per kind (image, link, text) a label and one list per
// direction (up, down, left, right): 1830 + 5 * kind + 0 the label, + 1 … + 4 the lists; the
// direction headings 1850 … 1853; "Simulate Drag Link as Shift+Click".
#define IDC_DRAG_FIRST 1830
#define IDC_DRAG_HEADING_FIRST 1850
#define IDC_DRAG_SIMULATE_LINK 1854

// Page actions: "Use Default Color Scheme" (tab style page), the download page's button
// that opens "DownManager.ini"; the tab style page's preview strip.
#define IDC_TAB_DEFAULT_COLOURS 1860
#define IDC_DOWN_EDIT_FILE 1861
#define IDC_TAB_PREVIEW 1862
