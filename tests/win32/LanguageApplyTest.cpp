// The language rules on real menus and dialogs: HMENUs built from the menu data, and a
// dialog created from an in-memory template.
#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"

#include <cstring>
#include <vector>

#include "commands/Accelerators.h"
#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "commands/CommandPicker.h"
#include "commands/MenuModelSurface.h"
#include "language/Language.h"
#include "platform/FileSystem.h"
#include "win32/commands/AcceleratorBuilder.h"
#include "win32/commands/MenuBuilder.h"
#include "win32/commands/Win32MenuSurface.h"
#include "win32/language/LanguageApply.h"

namespace lumbrel::win32 {
namespace {

// Serves one language file; the language layer only reads.
class OneFile : public FileSystem {
public:
    explicit OneFile(std::string content) : content_(std::move(content)) {}
    std::optional<std::string> ReadFile(const std::string&) override { return content_; }
    bool WriteFileAtomic(const std::string&, std::string_view) override { return false; }
    bool AppendFile(const std::string&, std::string_view) override { return false; }
    bool Exists(const std::string&) override { return true; }
    bool IsDirectory(const std::string&) override { return false; }
    std::optional<FileStamp> Stamp(const std::string&) override { return std::nullopt; }
    std::vector<DirEntry> ListFolder(const std::string&) override { return {}; }
    bool CreateFolder(const std::string&) override { return false; }
    bool CopyFile(const std::string&, const std::string&, bool) override { return false; }
    bool MoveFile(const std::string&, const std::string&) override { return false; }
    bool DeleteFile(const std::string&) override { return false; }

private:
    std::string content_;
};

constexpr const char* kGerman =
    "[Information]\r\nLanguage=Deutsch\r\n"
    "[StringGeneral]\r\n1=Gut\r\n2=Abbrechen\r\n"
    "[DialogTest]\r\nCaption=Probe\r\n1001=Zeile 1\\r\\nZeile 2\r\n"
    "1002=\\nEins\\nZwei\\nDrei\r\n65535=Nie\r\n"
    "[MenuMain]\r\nX0=&Datei\r\nX2X9=&Geschlossene Fenster\r\n"
    "32776=&Schlie\xDF"
    "en\\tStrg+W\r\n0=Nie\r\n";

class LanguageApplyTest : public ::testing::Test {
protected:
    void SetUp() override {
        OneFile file(kGerman);
        language_.SetMode(Language::kFile);
        language_.LngLoad(file, "C:\\Lumbrel\\Language\\Deutsch.ini");
        ASSERT_TRUE(language_.IsActive());
    }

    static std::string TextAt(HMENU menu, UINT pos) {
        char text[256] = {};
        GetMenuStringA(menu, pos, text, sizeof(text), MF_BYPOSITION);
        return text;
    }

    Language language_;
};

TEST_F(LanguageApplyTest, BuildsTheMainMenuFromTheData) {
    const MenuItems& data = BuiltinMainMenu();
    UniqueMenu bar = BuildMenu(data, MenuShape::Bar);
    ASSERT_TRUE(bar);
    EXPECT_EQ(GetMenuItemCount(bar.get()), static_cast<int>(data.size()));
    HMENU window = GetSubMenu(bar.get(), kMenuWindow);
    ASSERT_NE(window, nullptr);
    HMENU undo = SubmenuFor(bar.get(), data, MenuRole::UndoClose);
    EXPECT_EQ(undo, GetSubMenu(window, kUndoCloseMenuPosition));
    ASSERT_EQ(GetMenuItemCount(undo), kUndoCloseFixedItems);
    EXPECT_EQ(GetMenuItemID(undo, 0), static_cast<UINT>(IDM_UNDO_CLOSE));
    char text[64] = {};
    GetMenuStringA(bar.get(), IDM_CLOSE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Close\tCtrl+W");
}

TEST_F(LanguageApplyTest, CommandPickerReadsTheHmenuLikeTheData) {
    UniqueMenu bar = BuildMenu(BuiltinMainMenu(), MenuShape::Bar);
    ASSERT_TRUE(bar);
    Win32MenuSurface live(bar.get());
    MenuItems data = BuiltinMainMenu();
    MenuModelSurface model(data);
    const std::vector<CommandChoice> fromMenu = BuildCommandPicker(live, language_);
    const std::vector<CommandChoice> fromData = BuildCommandPicker(model, language_);
    ASSERT_EQ(fromMenu.size(), fromData.size());
    for (size_t i = 0; i < fromMenu.size(); ++i) {
        EXPECT_EQ(fromMenu[i].text, fromData[i].text);
        EXPECT_EQ(fromMenu[i].id, fromData[i].id);
    }
}

TEST_F(LanguageApplyTest, TranslatesAnHmenuByPathAndId) {
    UniqueMenu bar = BuildMenu(BuiltinMainMenu(), MenuShape::Bar);
    ASSERT_TRUE(bar);
    LngApplyMenu(bar.get(), "MenuMain", language_);
    EXPECT_EQ(TextAt(bar.get(), kMenuFile), "&Datei");
    EXPECT_EQ(TextAt(bar.get(), kMenuEdit), "&Edit");
    HMENU window = GetSubMenu(bar.get(), kMenuWindow);
    EXPECT_EQ(TextAt(window, kUndoCloseMenuPosition), "&Geschlossene Fenster");
    EXPECT_NE(GetSubMenu(window, kUndoCloseMenuPosition), nullptr) << "still a submenu";
    char text[64] = {};
    GetMenuStringA(bar.get(), IDM_CLOSE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text,
                 "&Schlie\xDF"
                 "en\tStrg+W");
    EXPECT_TRUE(GetMenuState(window, 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(LanguageApplyTest, RebuildReplacesTheWindowMenuBar) {
    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);
    Language english;
    UniqueMenu holder;
    ASSERT_TRUE(RebuildMenu(holder, BuiltinMainMenu(), MenuShape::Bar, english, "MenuMain", frame));
    HMENU first = holder.get();
    EXPECT_EQ(GetMenu(frame), first);
    EXPECT_EQ(TextAt(first, kMenuFile), "&File");

    ASSERT_TRUE(
        RebuildMenu(holder, BuiltinMainMenu(), MenuShape::Bar, language_, "MenuMain", frame));
    EXPECT_EQ(GetMenu(frame), holder.get());
    EXPECT_EQ(TextAt(holder.get(), kMenuFile), "&Datei");
    EXPECT_FALSE(IsMenu(first)) << "the old menu is destroyed";
    SetMenu(frame, nullptr);
    DestroyWindow(frame);
}

// An in-memory DLGTEMPLATE: each part DWORD-aligned, classes by their predefined atoms.
class TemplateWriter {
public:
    TemplateWriter(const wchar_t* caption, WORD controls) {
        Dword(WS_POPUP | WS_CAPTION);
        Dword(0);
        words_.push_back(controls);
        Rect();
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the default dialog class
        Text(caption);
    }
    void Control(DWORD style, WORD id, WORD classAtom, const wchar_t* text) {
        if (words_.size() % 2 != 0) {
            words_.push_back(0);
        }
        Dword(WS_CHILD | WS_VISIBLE | style);
        Dword(0);
        Rect();
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        Text(text);
        words_.push_back(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void Rect() {
        for (int i = 0; i < 4; ++i) {
            words_.push_back(10);
        }
    }
    void Text(const wchar_t* text) {
        for (; *text != 0; ++text) {
            words_.push_back(static_cast<WORD>(*text));
        }
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

INT_PTR CALLBACK NoOpDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

TEST_F(LanguageApplyTest, TranslatesADialogFromATemplate) {
    TemplateWriter writer(L"Test", 4);
    writer.Control(ES_MULTILINE, 1001, 0x0081, L"edit");
    writer.Control(BS_PUSHBUTTON, IDOK, 0x0080, L"OK");
    writer.Control(CBS_DROPDOWNLIST | CBS_SORT, 1002, 0x0085, L"");
    writer.Control(SS_LEFT, 0xFFFF, 0x0082, L"label");
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), writer.Get(), nullptr,
                                             NoOpDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND combo = GetDlgItem(dialog, 1002);
    for (const char* item : {"One", "Two", "Three"}) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(combo, CB_SETCURSEL, 2, 0);

    LngApplyDialog(dialog, "DialogTest", language_);

    EXPECT_EQ(WindowText(dialog), "Probe");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "Gut");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1001)), "Zeile 1\r\nZeile 2");
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    const char* expected[] = {"Eins", "Zwei", "Drei"};
    for (int i = 0; i < 3; ++i) {
        char item[32] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, expected[i]) << "in the file's order, not sorted";
    }
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(WindowText(GetWindow(combo, GW_HWNDNEXT)), "label");
    DestroyWindow(dialog);
}

TEST_F(LanguageApplyTest, AcceleratorTableHoldsEveryEntry) {
    const std::span<const Accelerator> data = AcceleratorTable();
    UniqueAcceleratorTable table = BuildAcceleratorTable(data);
    ASSERT_TRUE(table);
    const int count = CopyAcceleratorTableA(table.get(), nullptr, 0);
    ASSERT_EQ(count, static_cast<int>(data.size()));
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    CopyAcceleratorTableA(table.get(), entries.data(), count);
    int closeKeys = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_TRUE(entries[i].fVirt & FVIRTKEY);
        EXPECT_EQ(entries[i].key, data[i].key);
        EXPECT_EQ(entries[i].cmd, static_cast<WORD>(data[i].command));
        if (entries[i].cmd == IDM_CLOSE) {
            EXPECT_EQ(entries[i].fVirt & (FCONTROL | FALT | FSHIFT), FCONTROL);
            ++closeKeys;
        }
    }
    EXPECT_EQ(closeKeys, 2) << "Ctrl+W and Ctrl+PageDown";
}

}  // namespace
}  // namespace lumbrel::win32
