// The search bar's band over real controls: the strip as the core lays it out, the keyword box
// over its separator, engine icons loaded from files (one that is missing reported so), and
// the keys of the keyword box handed on as the rules expect them.
#include "win32/frame/SearchBandWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "commands/CommandIds.h"

namespace lumbrel::win32 {
namespace {

// A 16x16 32-bit icon file, every pixel `argb`.
std::string WriteIcon(const std::string& name, uint32_t argb) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = 16;
    info.biHeight = 32;  // colour and mask together
    info.biPlanes = 1;
    info.biBitCount = 32;
    const std::vector<uint32_t> pixels(16 * 16, argb);
    const std::vector<uint8_t> mask(16 * 4, 0);  // rows of 32 bits: all shown
    const uint32_t imageSize = static_cast<uint32_t>(sizeof info + pixels.size() * 4 + mask.size());
    std::ofstream out(path, std::ios::binary);
    const uint16_t header[3] = {0, 1, 1};
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    const uint8_t entry[8] = {16, 16, 0, 0, 1, 0, 32, 0};
    out.write(reinterpret_cast<const char*>(entry), sizeof entry);
    const uint32_t sizeAndOffset[2] = {imageSize, 6 + 16};
    out.write(reinterpret_cast<const char*>(sizeAndOffset), sizeof sizeAndOffset);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size() * 4));
    out.write(reinterpret_cast<const char*>(mask.data()),
              static_cast<std::streamsize>(mask.size()));
    return path;
}

struct Recorded {
    std::vector<int> commands;
    std::vector<size_t> deleted;
    int escapes = 0;
};

class BandFixture : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&controls);
        parent_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(parent_);
        SearchBandWindow::Events events;
        events.command = [this](int id) { seen_.commands.push_back(id); };
        events.deleteKeyword = [this](size_t i) { seen_.deleted.push_back(i); };
        events.escape = [this] { ++seen_.escapes; };
        ASSERT_TRUE(band_.Create(parent_, 100, std::nullopt, events));
        SetWindowPos(band_.Handle(), nullptr, 0, 0, 580, band_.Height(), SWP_NOZORDER);
    }
    void TearDown() override {
        if (parent_)
            DestroyWindow(parent_);
    }
    std::vector<int> ToolbarCommands() {
        std::vector<int> ids;
        const auto count = SendMessageA(band_.Toolbar(), TB_BUTTONCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            TBBUTTON button{};
            SendMessageA(band_.Toolbar(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            ids.push_back((button.fsStyle & BTNS_SEP) ? 0 : button.idCommand);
        }
        return ids;
    }
    HWND Edit() {
        return reinterpret_cast<HWND>(SendMessageA(band_.Combo(), CBEM_GETEDITCONTROL, 0, 0));
    }

    HWND parent_ = nullptr;
    SearchBandWindow band_;
    Recorded seen_;
};

TEST_F(BandFixture, TheStripFollowsTheEnginesWhoseIconsLoadedWithTheBoxOverItsSeparator) {
    const std::string icon = WriteIcon("lumbrel-engine.ico", 0xFF2060C0);
    SearchEngineList engines;
    engines.Assign({{.checked = 1, .name = "Web", .url = "http://w/%s", .icon = icon},
                    {.name = "--"},
                    {.name = "Gone", .url = "http://g/%s", .icon = "C:\\nowhere\\gone.ico"}});
    const std::vector<bool> loaded = band_.LoadEngineIcons({icon, "C:\\nowhere\\gone.ico"});
    DeleteFileA(icon.c_str());
    EXPECT_EQ(loaded, (std::vector<bool>{true, false}));
    const auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageA(band_.Toolbar(), TB_GETIMAGELIST, 0, 0));
    ASSERT_TRUE(images);
    EXPECT_EQ(ImageList_GetImageCount(images), 4 + 1) << "four cells, even without the picture";

    engines.Entries()[0].iconLoaded = true;
    band_.SetButtons(SearchBarButtons(engines), SearchBarIdealWidth(engines, band_.ButtonWidth()));
    EXPECT_EQ(ToolbarCommands(), (std::vector<int>{0, IDM_SEARCH_GO, 0, IDM_SEARCH_ENGINE_FIRST, 0,
                                                   IDM_HIGHLIGHT_KEYWORD, IDM_FIND_KEYWORD}));
    EXPECT_GT(band_.ButtonWidth(), 0);
    EXPECT_EQ(band_.IdealWidth(), 150 + band_.ButtonWidth());

    RECT separator{}, box{};
    SendMessageA(band_.Toolbar(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&separator));
    GetWindowRect(band_.Combo(), &box);
    MapWindowPoints(nullptr, band_.Toolbar(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, separator.left);
    EXPECT_EQ(box.right - box.left, SearchBandWindow::kKeywordBoxWidth);
}

TEST_F(BandFixture, TheKeywordBoxKeepsItsTextAndHandsOnEnterEscAndDelete) {
    band_.SetKeywordText("typed");
    band_.InsertKeyword(0, "older");
    band_.InsertKeyword(0, "newer");
    EXPECT_EQ(band_.KeywordText(), "typed") << "a new list item does not replace the text";
    EXPECT_EQ(SendMessageA(band_.Combo(), CB_GETCOUNT, 0, 0), 2);
    band_.RemoveKeyword(0);
    EXPECT_EQ(SendMessageA(band_.Combo(), CB_GETCOUNT, 0, 0), 1);

    SendMessageA(Edit(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(seen_.commands, std::vector<int>{IDM_SEARCH_GO});
    SendMessageA(Edit(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(seen_.escapes, 1);
    // Delete edits the text while the list is closed; with it open it removes the item.
    SendMessageA(Edit(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(seen_.deleted.empty());

    ShowWindow(parent_, SW_SHOWNA);
    SendMessageA(band_.Combo(), CB_SHOWDROPDOWN, TRUE, 0);
    if (SendMessageA(band_.Combo(), CB_GETDROPPEDSTATE, 0, 0) == 0)
        GTEST_SKIP() << "the list did not drop down on this display";
    SendMessageA(band_.Combo(), CB_SETCURSEL, 0, 0);
    SendMessageA(Edit(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(seen_.deleted, std::vector<size_t>{0});
    SendMessageA(Edit(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(SendMessageA(band_.Combo(), CB_GETDROPPEDSTATE, 0, 0), 0) << "Esc closes the list";
    EXPECT_EQ(seen_.escapes, 1) << "and is not handed on";
}

}  // namespace
}  // namespace lumbrel::win32
