// Numeric command identifiers: the ids that menu items, accelerators, toolbar buttons and
// WM_COMMAND carry. Settings, gestures, mouse actions and tab actions store them as integers,
// and language files translate menu items by them, so a value never changes once shipped.
//
// Plain macros on purpose: the .rc file includes this header as well as the core and the
// tests. Ids below 32768 are the ranges of menus built at run time; 57xxx and 59xxx are the
// framework's standard command values.
#pragma once

// --- Dynamic ranges: items added at run time, id = first + list position -------------------
#define IDM_EXTERNAL_TOOL_FIRST 3584  // one toolbar button per external tool
#define IDM_EXTERNAL_TOOL_LAST 3839
#define IDM_FAV_OPEN_ALL_FIRST 4096  // "Open All URL" of a favorites folder
#define IDM_FAV_OPEN_ALL_LAST 4351   // the translation proxies follow
#define IDM_TRANSLATION_PROXY_FIRST 4352
#define IDM_TRANSLATION_PROXY_LAST 4607
#define IDM_WEB_PROXY_FIRST 4608
#define IDM_WEB_PROXY_LAST 4863
#define IDM_FAVORITE_FIRST 5120  // one item per favorite
#define IDM_FAVORITE_LAST 24575
#define IDM_GROUP_OPEN_FIRST 24576  // a group item, or "Open All Selected Group Member"
#define IDM_GROUP_OPEN_LAST 24831
#define IDM_ADD_TO_GROUP_FIRST 24832  // "&Add To Group" items, "Add URL to this Group..."
#define IDM_ADD_TO_GROUP_LAST 25087
#define IDM_UNDO_CLOSE_ITEM_FIRST 25088  // one item per slot of the undo-close ring
#define IDM_UNDO_CLOSE_ITEM_LAST 25112
#define IDM_FAV_ADD_HERE_FIRST 25344  // "Add URL Here..." of a favorites folder
#define IDM_FAV_ADD_HERE_LAST 25599
#define IDM_PROXY_SERVER_FIRST 25600
#define IDM_PROXY_SERVER_LAST 26111
#define IDM_GROUP_MEMBER_FIRST 26112
#define IDM_GROUP_MEMBER_LAST 30207
#define IDM_SEARCH_ENGINE_FIRST 30208  // search menu and search bar buttons
#define IDM_SEARCH_ENGINE_LAST 30719
#define IDM_DRAG_SEARCH_ENGINE_FIRST 30720  // engine menu of dragged text
#define IDM_DRAG_SEARCH_ENGINE_LAST 31231
#define IDM_UP_LEVEL_FIRST 31232  // drop-down list of the "&Up" button, nearest level first
#define IDM_UP_LEVEL_LAST 31241

// --- New windows --------------------------------------------------------------------------
#define IDM_BLANK_PAGE 32772
#define IDM_NEW_CURRENT_PAGE 32773
#define IDM_NEW_HOME_PAGE 32852
#define IDM_NEW_FROM_CLIPBOARD 32873
#define IDM_NEW_SELECTED_TEXT 33047
#define IDM_NEW_SELECTED_LINKS 33122
#define IDM_NEW_UP_PAGE 33125
#define IDM_NEW_ROOT_PAGE 33124
#define IDM_NEW_WINDOW 32980      // runs the default item of the new-window menu
#define IDM_TAB_NEW_WINDOW 33210  // the context tab's page in a new window
#define IDM_NEW_PROCESS 32891     // "New &Lumbrel"
#define IDM_OPEN 32892

// --- Closing windows ----------------------------------------------------------------------
#define IDM_CLOSE 32776
#define IDM_CLOSE_ALL 32775
#define IDM_CLOSE_ALL_KEEP_CURRENT 32874
#define IDM_TAB_CLOSE_ALL_KEEP_THIS 33238
#define IDM_CLOSE_LEFT 33217
#define IDM_CLOSE_RIGHT 33218
#define IDM_CLOSE_ALIKE_URL 33215
#define IDM_CLOSE_ALIKE_TITLE 33216
#define IDM_CLOSE_UNMARKED 33219

// --- Window list --------------------------------------------------------------------------
#define IDM_PREVIOUS_WINDOW 32934
#define IDM_NEXT_WINDOW 32935
#define IDM_ACTIVATE_TAB_FIRST 32939  // Ctrl+1 ... Ctrl+9, Ctrl+0: tab index 0 ... 9
#define IDM_ACTIVATE_TAB_LAST 32948
#define IDM_QUICK_KEY_FIRST 32913  // F2 ... F12
#define IDM_QUICK_KEY_LAST 32923
#define IDM_LOCK_TAB 33008
#define IDM_MARK_TAB 33136
#define IDM_PROTECT_TAB 33250
#define IDM_FIXED_TITLE 33251
#define IDM_FORBID_AUTO_NAVIGATE 33231
#define IDM_ACTIVATE_NEW_WINDOW 32854
#define IDM_NEW_TO_NEXT 32878
#define IDM_OPEN_LINKS_IN_NEW_WINDOW 32965
#define IDM_STOP_OPEN_WINDOWS 32962
#define IDM_SHOW_HIDE 32963
#define IDM_FOCUS_ADDRESS 32849
#define IDM_WINDOW_CASCADE 57650
#define IDM_WINDOW_TILE_HORZ 57651
#define IDM_WINDOW_TILE_VERT 57652
#define IDM_APP_ABOUT 57664
#define IDM_APP_EXIT 57665
#define IDM_SELECT_LANGUAGE 33209
#define IDM_OPTIONS 32807

// --- Session history and undo close -------------------------------------------------------
#define IDM_UNDO_CLOSE 32975
#define IDM_SET_UNDO_CLOSE 33138
#define IDM_CLEAN_UNDO_CLOSE 33139
#define IDM_PAGE_MANAGER 33109
#define IDM_CURRENT_VISITING_PAGES 33120

// --- Navigation ---------------------------------------------------------------------------
#define IDM_BACK 32787
#define IDM_FORWARD 32788
#define IDM_STOP 32778
#define IDM_REFRESH 32779
#define IDM_HOME_PAGE 32789
#define IDM_STOP_ALL 32879
#define IDM_REFRESH_ALL 32876
#define IDM_COMPLETELY_REFRESH 33157
#define IDM_UP 60000
#define IDM_WORK_OFFLINE 32780

// --- Edit and find ------------------------------------------------------------------------
#define IDM_EDIT_COPY 57634
#define IDM_EDIT_CUT 57635
#define IDM_EDIT_FIND 57636
#define IDM_EDIT_PASTE 57637
#define IDM_EDIT_SELECT_ALL 57642
#define IDM_SEARCH_GO 61212  // the search button; Enter in the keyword box
#define IDM_FIND_KEYWORD 33112
#define IDM_HIGHLIGHT_KEYWORD 33113
#define IDM_SEARCH_SELECTED_TEXT 33108
#define IDM_HIGHLIGHT_SELECTED_TEXT 33221
#define IDM_FIND_NEXT_SELECTED_TEXT 33222
#define IDM_FIND_PREVIOUS_SELECTED_TEXT 33223
#define IDM_CLEAN_TYPED_SEARCH 33060
#define IDM_NOT_SAVE_KEYWORD 33228
#define IDM_SET_SEARCH_ENGINE 33011
#define IDM_SEARCH_MATCH_CASE 33235
#define IDM_SEARCH_MATCH_WHOLE 33236

// --- Files, printing, other programs ------------------------------------------------------
#define IDM_SAVE_AS 32777
#define IDM_SAVE_HTML 32798
#define IDM_AUTO_SAVE 33025
#define IDM_AUTO_SAVE_SORT 33208
#define IDM_SAVE_WHOLE_CONTENT 32987
#define IDM_SAVE_TEXT 33180
#define IDM_AUTO_SAVE_TEXT 33179
#define IDM_IMPORT_EXPORT 33247
#define IDM_PAGE_SETUP 57606
#define IDM_PRINT 57607
#define IDM_PROPERTY 33022
#define IDM_EMAIL 32821
#define IDM_ADDRESS_BOOK 33253
#define IDM_PAGE_BY_EMAIL 33254
#define IDM_LINK_BY_EMAIL 33255
#define IDM_EDIT_PAGE 32960  // the page in the registered HTML editor
#define IDM_OPEN_IN_IE 33252
#define IDM_SYNCHRONIZE 33256

// --- Bars and view ------------------------------------------------------------------------
#define IDM_VIEW_TOOLBAR 59392
#define IDM_VIEW_STATUS_BAR 59393
#define IDM_VIEW_ADDRESS_BAR 33257
#define IDM_VIEW_LINKS_BAR 33258
// The bar commands' ids are also the ids of the bars' rebar bands.
#define IDM_VIEW_TAB_BAR 32792
#define IDM_VIEW_SEARCH_BAR 32958
#define IDM_VIEW_EXTERNAL_BAR 32959
#define IDM_VIEW_MENU_BAR 32869
#define IDM_LOCK_TOOLBARS 33259
#define IDM_CUSTOMIZE_TOOLBAR 33260
#define IDM_SIDEBAR_FAVORITES 32793
#define IDM_SIDEBAR_HISTORY 32842
#define IDM_SIDEBAR_FOLDER 32964
#define IDM_SIDEBAR_RESOURCE 32969
#define IDM_LINK_LIST 33019
#define IDM_FULL_SCREEN 32845
#define IDM_AUTO_HIDE 33103
#define IDM_TEXT_SIZE 32795          // toolbar drop-down of the text sizes
#define IDM_TEXT_SIZE_LARGEST 32782  // ... 32786 smallest: size index = id - 32782
#define IDM_TEXT_SIZE_LARGER 32783
#define IDM_TEXT_SIZE_MEDIUM 32784
#define IDM_TEXT_SIZE_SMALLER 32785
#define IDM_TEXT_SIZE_SMALLEST 32786
#define IDM_ENCODING 32799  // toolbar drop-down of the encodings
#define IDM_ENCODING_AUTO 33270
#define IDM_ENCODING_WESTERN 33271
#define IDM_ENCODING_UTF8 33272
#define IDM_ENCODING_GB2312 33273
#define IDM_ENCODING_BIG5 33274
#define IDM_ENCODING_SHIFT_JIS 33275
#define IDM_ENCODING_KOREAN 33276
#define IDM_ENCODING_FIRST IDM_ENCODING_AUTO
#define IDM_ENCODING_LAST IDM_ENCODING_KOREAN
#define IDM_ZOOM_50 33151
#define IDM_ZOOM_100 33152
#define IDM_ZOOM_150 33153
#define IDM_ZOOM_MORE 33154
#define IDM_ZOOM_LESS 33155

// --- Per-window page settings -------------------------------------------------------------
#define IDM_SHOW_IMAGES 32808
#define IDM_PLAY_VIDEOS 32809
#define IDM_PLAY_SOUNDS 32810
#define IDM_ENABLE_SCRIPTS 32812
#define IDM_ENABLE_JAVA 32832
#define IDM_ENABLE_ACTIVEX 32833
#define IDM_ENABLE_WEB_PROXY 32830
#define IDM_AUTO_SCROLL_CURRENT 32974
#define IDM_AUTO_SCROLL_AFTER_DOWNLOAD 32970
#define IDM_SCROLL_SLOW 32971
#define IDM_SCROLL_MEDIUM 32972
#define IDM_SCROLL_FAST 32973
#define IDM_SCROLL_SPEED_UP 33130
#define IDM_SCROLL_SPEED_DOWN 33131
#define IDM_AUTO_SCROLL_ALL 33043
#define IDM_SCROLL_ONE_LINE 33053
#define IDM_SCROLL_QUARTER_PAGE 33054
#define IDM_SCROLL_HALF_PAGE 33055
#define IDM_SCROLL_ONE_PAGE 33056
#define IDM_SCROLL_PAGE_RIGHT 33233
#define IDM_SCROLL_PAGE_LEFT 33234
#define IDM_AUTO_REFRESH 33004
#define IDM_SET_REFRESH 33005
#define IDM_TAB_AUTO_REFRESH 33006
#define IDM_TAB_SET_REFRESH 33007
#define IDM_BG_COLOR_CURRENT 32991
#define IDM_AUTO_BG_COLOR 33020

// --- Filters ------------------------------------------------------------------------------
#define IDM_ADD_TO_POPUP_FILTER 32818
#define IDM_TAB_TO_POPUP_FILTER 32816
#define IDM_SET_AD_FILTER 32819
#define IDM_KILL_POPUP 32820
#define IDM_FILTER_DIALOG_ADS 33242
#define IDM_FILTER_AD_CONTENT 33038
#define IDM_FILTER_FLYING_ADS 33240
#define IDM_ADD_TO_CONTENT_FILTER 33163
#define IDM_ENABLE_FILTER 61373  // the master switch on the toolbar

// --- Favorites and groups -----------------------------------------------------------------
#define IDM_ADD_TO_FAVORITES 32803
#define IDM_TAB_TO_FAVORITES 32865
#define IDM_ORGANIZE_FAVORITES 32804
#define IDM_IMPORT_FAVORITES 32805
#define IDM_EXPORT_FAVORITES 32806
#define IDM_SET_GROUPS 32977
#define IDM_SAVE_WINDOWS_AS_GROUP 33023
#define IDM_GROUP_BUTTON 33024
// The favorites side bar's context menus (answered by the bar, not the frame).
#define IDM_FAVBAR_OPEN_NEW_WINDOW 33290
#define IDM_FAVBAR_DELETE 33291
#define IDM_FAVBAR_OPEN_ALL_LINKS 33292
#define IDM_FAVBAR_RESET_ORDER 33293

// --- Tools --------------------------------------------------------------------------------
#define IDM_COLLECTOR 33016
#define IDM_ENABLE_PROXY 32828
#define IDM_SET_PROXY 32829
#define IDM_USE_IE_PROXY 33059
#define IDM_IMPORT_PROXY 33195
#define IDM_EXPORT_PROXY 33196
#define IDM_SET_EXTERNAL_TOOLS 32843
#define IDM_AUTO_RUN_EXTERNAL 33156  // also the external tools' toolbar drop-down
#define IDM_RUN_SELECTED_EXTERNAL 33205
#define IDM_MOUSE_GESTURE 61207
#define IDM_MOUSE_DRAG_PAGE 61206
#define IDM_URL_ALIAS 33029
#define IDM_QUICK_KEY 33030
#define IDM_FILL_FORM 33015
#define IDM_SAVE_FORM 33013
#define IDM_SAVE_GENERAL_FORM 33014
#define IDM_SET_FORM_DATA 33128
#define IDM_CLEAN_COOKIES 32824
#define IDM_CLEAN_HISTORY 32825
#define IDM_CLEAN_CACHE 32826
#define IDM_CLEAN_FORM_DATA 33026
#define IDM_CLEAN_TYPED_ADDRESS 33018
#define IDM_CLEAN_ALL 32827

// --- Mouse-bound link commands ------------------------------------------------------------
#define IDM_OPEN_LINK 33225
#define IDM_OPEN_LINK_FOREGROUND 33226
#define IDM_OPEN_LINK_BACKGROUND 33227

// --- Commands of the drag menus -----------------------------------------------------------
#define IDM_DRAG_OPEN 33184
#define IDM_DRAG_OPEN_FOREGROUND 33185
#define IDM_DRAG_OPEN_BACKGROUND 33203
#define IDM_DRAG_OPEN_OTHER_SIDE 33229
#define IDM_DRAG_OPEN_IN_IE 33186
#define IDM_DRAG_OPEN_JUMP_URL 33170
#define IDM_DRAG_OPEN_FTP 33230
#define IDM_DRAG_SHOW_URL 33160
#define IDM_DRAG_EDIT_URL 33182
#define IDM_DRAG_EDIT_IMAGE_URL 33245
#define IDM_DRAG_EDIT_TEXT 33181
#define IDM_DRAG_COPY_URL 33183
#define IDM_DRAG_COPY_TEXT 33187
#define IDM_DRAG_SHOW_IMAGE 33237
#define IDM_DRAG_ADD_TO_FAVORITE 33191
#define IDM_DRAG_LINK_TO_COLLECTOR 33192
#define IDM_DRAG_TEXT_TO_COLLECTOR 33193
#define IDM_DRAG_SEARCH 33175
#define IDM_DRAG_HIGHLIGHT 33188
#define IDM_DRAG_FIND 33189
#define IDM_DRAG_OPEN_SELECTED_LINKS 33190

// --- Commands of the collector window -----------------------------------------------------
#define IDM_COLLECTOR_OPEN_CURSOR_LINE 61208
#define IDM_COLLECTOR_CLEAN 61209
#define IDM_COLLECTOR_TRANSPARENT 61210
#define IDM_COLLECTOR_RUN_SCRIPT 61213
#define IDM_COLLECTOR_SAVE 61216
#define IDM_COLLECTOR_OPEN_SELECTED 61217
#define IDM_COLLECTOR_TEXT_PAGE 61268
#define IDM_COLLECTOR_OUTPUT_PAGE 61269
#define IDM_COLLECTOR_SCRIPT_PAGE 61270
