// Ids of the built-in string table (StringTable.cpp holds the English texts). A language
// file replaces a string under the decimal id in its "StringTable" section, so an id never
// changes once shipped. Plain macros so that the .rc file can share them.
//
// A toolbar button's label string has the id of the button's command (text after "\n");
// those strings carry the IDM_ ids of CommandIds.h and have no name here.
#pragma once

// --- Files and dialogs --------------------------------------------------------------------
#define IDS_FILTER_HTML_FILES 112
#define IDS_FILTER_OPEN_FILES 114
#define IDS_FILTER_TEXT_FILES 115
#define IDS_EMPTY 116
#define IDS_MAIL_CLIENT_FAILED 135
#define IDS_HISTORY 142
#define IDS_SUNDAY 145  // ... IDS_SUNDAY + 6 is Saturday
#define IDS_SATURDAY 151
#define IDS_SELECT_PROXY_FIRST 157
#define IDS_CONFIRM_DELETE_GROUP 167
#define IDS_PROXY_ADDED 168
#define IDS_ASK_DEFAULT_BROWSER 760
#define IDS_OPEN_ALL_URL 766
#define IDS_NEW_BUTTON 767
#define IDS_SPEED_INVALID 769  // ... IDS_SPEED_INVALID + 5 is "Faster"
#define IDS_SPEED_FASTER 774
#define IDS_SEPARATOR 778
#define IDS_ADD_URL_HERE 787
#define IDS_PAGE_SAVED 789
#define IDS_TEXT_SAVED 790

// --- Gestures, lists, groups, proxies, filters and page messages --------------------------
#define IDS_SEARCH_BUTTON 61212
#define IDS_GESTURE 61226
#define IDS_COLUMN_COMMAND 61228
#define IDS_GESTURE_UP 61239
#define IDS_GESTURE_DOWN 61240
#define IDS_GESTURE_LEFT 61241
#define IDS_GESTURE_RIGHT 61242
#define IDS_LEFT_CLICK 61243
#define IDS_LEFT_DOUBLE_CLICK 61244
#define IDS_MIDDLE_CLICK 61245
#define IDS_RIGHT_CLICK 61246
#define IDS_LEFT_RIGHT_CLICK 61251
#define IDS_RIGHT_LEFT_CLICK 61254
#define IDS_OPEN_BUTTON 61288
#define IDS_COLUMN_NAME 61295
#define IDS_COLUMN_URL 61296
#define IDS_NEW_GROUP 61297
#define IDS_COLUMN_SEARCH_ENGINE 61298
#define IDS_COLUMN_SPEED 61300
#define IDS_ADD_URL_TO_GROUP 61301
#define IDS_OPEN_GROUP_MEMBERS 61302
#define IDS_BAD_GROUP_NAME 61303
#define IDS_NO_GROUP_PATH 61305
#define IDS_SAVE_BUTTON 61308
#define IDS_PROXY_SERVER 61311
#define IDS_TRANSLATION_PROXY 61312
#define IDS_WEB_PROXY 61313
#define IDS_IE_PROXY_SERVER 61317
#define IDS_SCRIPT_CONTENT_ERROR 61328
#define IDS_RUN_SCRIPT_ERROR 61329
#define IDS_NONE 61348
#define IDS_SPOOFING_URL 61349
#define IDS_ASK_BROWSE 61350
#define IDS_ADD_CONTENT_FILTER 61353
#define IDS_OPEN_FTP_FAILED 61355
#define IDS_NEW_DIRECTORY_NAME 61363
#define IDS_COLUMN_ICON 61368
#define IDS_NOT_FIND 61369
#define IDS_ASK_RUN_COMMAND 61372
#define IDS_ENABLE_FILTER_BUTTON 61373
// The popup filter's log lines: the prefix of each kind of refused window.
#define IDS_AUTO_POPUP_FILTER_LOG 61376
#define IDS_USER_LIST_FILTER_LOG 61377
#define IDS_DIALOG_FILTER_LOG 61378

// --- Start-up, hand-over and the window list ----------------------------------------------
#define IDS_CONFIRM_CLOSE_LOCKED 61400
#define IDS_CONFIRM_CLOSE_ALL 61401
#define IDS_PASSWORD_INCORRECT 61402
#define IDS_PROTECTED_NO_ARRANGE 61403
#define IDS_CONFIRM_EXIT 61404
#define IDS_CONFIRM_EXIT_IE_DOWNLOADING 61405
#define IDS_CONFIRM_EXIT_PAGES_DOWNLOADING 61406
#define IDS_RUN_TOOL_FAILED 61407
#define IDS_SENDER_SHARE_MEMORY_FAILED 61408
#define IDS_SENDER_MAP_VIEW_FAILED 61409
#define IDS_RECEIVER_SHARE_MEMORY_FAILED 61410
#define IDS_RECEIVER_MAP_VIEW_FAILED 61411
#define IDS_INPUT_URL 61412
#define IDS_INPUT_TITLE 61413
#define IDS_ENTER_PASSWORD 61414
#define IDS_REMEMBER_PASSWORD 61415

// --- Language selection and side bars -----------------------------------------------------
#define IDS_DEFAULT_LANGUAGE 61420
#define IDS_COLUMN_FILE_NAME 61421
#define IDS_COLUMN_LANGUAGE 61422
#define IDS_FAVORITES 61423
#define IDS_FOLDER 61424
#define IDS_RESOURCE 61425

// --- The Page Manager's tabs and columns --------------------------------------------------
#define IDS_LAST_VISITING 61426
#define IDS_LAST_CLOSED 61427
#define IDS_CURRENT_VISITING 61428
#define IDS_CURRENT_CLOSED 61429
#define IDS_COLUMN_TITLE 61430

// --- Messages of the page, search, proxy, collector, form and mail commands ---------------
#define IDS_SCRIPT_ERROR_STATUS 61440
#define IDS_ACTIVEX_DENIED_STATUS 61441
#define IDS_NO_FAVORITES_PATH 61442
#define IDS_NO_SEARCH_ENGINE 61443
#define IDS_INPUT_KEYWORD_FIRST 61444
#define IDS_FIND_KEYWORD_COUNT 61445
#define IDS_ENGINE_NEEDS_KEYWORD 61446
#define IDS_ENGINE_NAME_EXISTS 61447
#define IDS_SELECT_PROXY_SERVER_FIRST 61448
#define IDS_SET_PROXY_FAILED 61449
#define IDS_IE_PROXY_EMPTY 61450
#define IDS_CONFIRM_DELETE_CATEGORY 61451
#define IDS_CANNOT_MOVE_PROXY 61452
#define IDS_TEXT_COLLECTOR_FULL 61453
#define IDS_OUTPUT_COLLECTOR_FULL 61454
#define IDS_CONFIRM_CLEAN_COLLECTOR 61455
#define IDS_SELECT_SCRIPT_FIRST 61456
#define IDS_NO_DROPPED_IMAGE 61457
#define IDS_IMAGE_EXISTS 61458
#define IDS_FORM_FILLED_COUNT 61459
#define IDS_CONFIRM_DELETE_FORMS 61460
#define IDS_NO_MAIL_CLIENT 61461
#define IDS_NEEDS_MAPI 61462
#define IDS_FILE_NOT_WRITTEN 61463
#define IDS_SETTINGS_NOT_WRITTEN 61464
#define IDS_HIGHLIGHT_KEYWORD_COUNT 61465
#define IDS_REFRESH_FREQUENCY 61480
#define IDS_REFRESH_RANGE 61481
#define IDS_SET_REFRESH_FREQUENCY 61482
#define IDS_NUMBER_RANGE 61483
