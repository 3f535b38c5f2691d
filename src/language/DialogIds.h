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

// The general input box ("DialogInput"): a prompt, one line of text, OK / Cancel.
#define IDD_INPUT 301
#define IDC_INPUT_PROMPT 1610
#define IDC_INPUT_TEXT 1611

// The password box ("DialogPassword"): a prompt, the hidden password, "Remember the
// Password", OK / Cancel.
#define IDD_PASSWORD 302
#define IDC_PASSWORD_PROMPT 1620
#define IDC_PASSWORD_TEXT 1621
#define IDC_PASSWORD_REMEMBER 1622
