#include <gtest/gtest.h>

#include <cstring>

#include "base/PrivateProfile.h"
#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "language/Language.h"
#include "mouse/DragMenus.h"
#include "mouse/FakeDragHost.h"
#include "mouse/FakeMouseHost.h"
#include "mouse/PageDropRules.h"
#include "search/SearchEngineList.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/GbkSamples.h"
#include "support/ManualClock.h"

namespace lumbrel {
namespace {

MenuItems WebAndNews() {
    SearchEngineList list;
    list.Assign({{0, "Web", "http://w/?q=%s"}, {0, "News", "http://n/?q=%s"}});
    return list.BuildMenu(true);
}

using test::FakeCodePage;

TEST(DragSettings, TheDefaultsNameTheActionsOfTheOptionsPage) {
    test::FakeFileSystem fs;
    PrivateProfile profile{fs};
    SettingsStore store{profile};
    fs.AddFolder("C:\\User");
    store.SetProfileName("C:\\User\\Lumbrel.ini");
    DragSettings settings;
    settings.Load(store);
    struct Case {
        DragKind kind;
        DragDirection direction;
        const char* text;
    };
    const Case cases[] = {
        {DragKind::Image, DragDirection::Up, "Edit URL"},
        {DragKind::Image, DragDirection::Down, "Collector"},
        {DragKind::Image, DragDirection::Left, "Pop Menu"},
        {DragKind::Link, DragDirection::Up, "Edit URL"},
        {DragKind::Link, DragDirection::Right, "Open"},
        {DragKind::Link, DragDirection::Left, "Pop Menu"},
        {DragKind::Text, DragDirection::Up, "Highlight"},
        {DragKind::Text, DragDirection::Down, "Save Text"},
        {DragKind::Text, DragDirection::Right, "Open"},
    };
    for (const Case& c : cases) {
        const auto list = DragActionList(c.kind);
        EXPECT_STREQ(list[static_cast<size_t>(settings.ActionIndex(c.kind, c.direction))].text,
                     c.text);
    }
    EXPECT_EQ(DragActionList(DragKind::Image).size(), 10u);
    EXPECT_EQ(DragActionList(DragKind::Link).size(), 17u);
    EXPECT_EQ(DragActionList(DragKind::Text).size(), 17u);
}

TEST(DragSettings, AnIndexOutsideTheKindsListIsNone) {
    DragSettings settings;
    settings.SetActionIndex(DragKind::Image, DragDirection::Up, 10);
    settings.SetActionIndex(DragKind::Link, DragDirection::Up, -1);
    settings.SetActionIndex(DragKind::Text, DragDirection::Up, 16);
    settings.SetActionIndex(DragKind::Text, DragDirection::Down, 17);
    EXPECT_EQ(settings.ActionIndex(DragKind::Image, DragDirection::Up), 0);
    EXPECT_EQ(settings.ActionIndex(DragKind::Link, DragDirection::Up), 0);
    EXPECT_EQ(settings.ActionIndex(DragKind::Text, DragDirection::Up), 16);
    EXPECT_EQ(settings.ActionIndex(DragKind::Text, DragDirection::Down), 0);
    EXPECT_EQ(ChooseDragAction(settings, DragKind::Image, DragDirection::Up, 0).effect,
              DragEffect::None);
}

TEST(DragSettings, ALongDragOpensLinksAndTextAndCollectsImages) {
    DragSettings settings;
    EXPECT_EQ(ChooseDragAction(settings, DragKind::Link, DragDirection::Up, 3.5).command,
              IDM_DRAG_OPEN);
    EXPECT_EQ(ChooseDragAction(settings, DragKind::Text, DragDirection::Left, 3.5).command,
              IDM_DRAG_OPEN);
    EXPECT_EQ(ChooseDragAction(settings, DragKind::Image, DragDirection::Up, 3.5).effect,
              DragEffect::Collector);
    EXPECT_EQ(ChooseDragAction(settings, DragKind::Link, DragDirection::Up, 3.0).command,
              IDM_DRAG_EDIT_URL)
        << "three seconds exactly is not more than three";
}

// --- Drop data --------------------------------------------------------------------------

std::string Descriptor(uint32_t count, const std::string& name, size_t size = 4 + 332) {
    std::string block(size, '\0');
    for (int i = 0; i < 4 && static_cast<size_t>(i) < size; ++i)
        block[static_cast<size_t>(i)] = static_cast<char>((count >> (8 * i)) & 0xFF);
    const size_t at = 4 + kFileDescriptorNameOffset;
    for (size_t i = 0; i < name.size() && at + i < size; ++i)
        block[at + i] = name[i];
    return block;
}

TEST(DropData, EveryReadStaysInsideTheBlock) {
    EXPECT_EQ(DropText(std::string_view("http://a/\0junk", 14)), "http://a/");
    EXPECT_EQ(DropText("no terminator"), "no terminator");
    EXPECT_EQ(FirstDescriptorName(Descriptor(1, "Page.url")), "Page.url");
    EXPECT_FALSE(FirstDescriptorName(Descriptor(0, "Page.url"))) << "no item";
    EXPECT_FALSE(FirstDescriptorName(Descriptor(1, "Page.url", 4 + 331))) << "short block";
    EXPECT_FALSE(FirstDescriptorName(std::string(3, '\1')));
    const std::string full(4 + 332, 'x');
    EXPECT_EQ(FirstDescriptorName(Descriptor(1, full)), std::string(260, 'x'))
        << "an unterminated name ends with its field";
}

std::string DroppedFiles(uint32_t offset, bool wide, const std::string& names) {
    std::string block(20, '\0');
    for (int i = 0; i < 4; ++i)
        block[static_cast<size_t>(i)] = static_cast<char>((offset >> (8 * i)) & 0xFF);
    block[16] = wide ? 1 : 0;
    return block + names;
}

TEST(DropData, DroppedFileNamesAreReadInsideTheirBlock) {
    FakeCodePage cp;
    using namespace std::string_literals;
    EXPECT_EQ(FirstDroppedFile(DroppedFiles(20, false, "C:\\a.gif\0C:\\b.gif\0\0"s), cp),
              "C:\\a.gif");
    EXPECT_EQ(FirstDroppedFile(DroppedFiles(20, true, "C\0:\0\\\0x\0\0\0"s), cp), "C:\\x");
    EXPECT_EQ(FirstDroppedFile(DroppedFiles(20, true, "C\0:\0x"s), cp), "C:")
        << "an unterminated wide name and a half character end with the block";
    EXPECT_EQ(FirstDroppedFile(DroppedFiles(20, false, "C:\\cut"), cp), "C:\\cut");
    EXPECT_FALSE(FirstDroppedFile(DroppedFiles(4000, false, "C:\\a.gif"), cp))
        << "names said to lie past the block";
    EXPECT_FALSE(FirstDroppedFile(DroppedFiles(8, false, "C:\\a.gif"), cp))
        << "names said to lie inside the header";
    EXPECT_FALSE(FirstDroppedFile(DroppedFiles(20, false, ""), cp));
    EXPECT_FALSE(FirstDroppedFile(std::string(19, '\0'), cp));
}

TEST(DropData, OnlyAShortcutsSuffixIsCutFromTheTitle) {
    EXPECT_EQ(LinkTitleFromShortcutName("News.url"), "News");
    EXPECT_EQ(LinkTitleFromShortcutName("News.URL"), "News");
    EXPECT_EQ(LinkTitleFromShortcutName("a"), "a");
    EXPECT_EQ(LinkTitleFromShortcutName(".url"), "");
    EXPECT_EQ(LinkTitleFromShortcutName("notes.txt"), "notes.txt");
    const std::optional<DroppedItem> link =
        ParseDrop(std::string_view("http://x/"), Descriptor(1, "X site.url"), true);
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->link);
    EXPECT_EQ(link->title, "X site");
    const std::optional<DroppedItem> text =
        ParseDrop(std::string_view("words"), std::nullopt, false);
    ASSERT_TRUE(text);
    EXPECT_FALSE(text->link);
    EXPECT_FALSE(ParseDrop(std::nullopt, Descriptor(1, "a.url"), true));
}

// --- Drag commands ----------------------------------------------------------------------

TEST(DragCommandRules, AJumpLinkIsCutAtItsSecondAddress) {
    EXPECT_EQ(JumpUrlTarget("http://r.example/go?to=http://t.example/a"), "http://t.example/a");
    EXPECT_EQ(JumpUrlTarget("http://r.example/?u=ftp://f/&v=https://s/"), "ftp://f/&v=https://s/");
    EXPECT_EQ(JumpUrlTarget("http://plain.example/"), "http://plain.example/");
    EXPECT_EQ(JumpUrlTarget("http://r.example/?x=gopher://g/"), "http://r.example/?x=gopher://g/");
    EXPECT_EQ(JumpUrlTarget("a://b"), "a://b");
}

TEST(DragCommandRules, FavoriteNamesAreCleanedByCharacters) {
    const FakeCodePage gbk(FakeCodePage::kGbk);
    const std::string title =
        std::string(test::gbk::kTrailBackslash) + "a/b" + test::gbk::kTrailBar;
    EXPECT_EQ(FavoriteName(gbk, title, "http://x/"),
              std::string(test::gbk::kTrailBackslash) + "ab" + test::gbk::kTrailBar);
    EXPECT_EQ(FavoriteName(gbk, "\\/:*?\"<>|\r\n", "http://www.example.com/a/b"), "www.example.com")
        << "nothing left of the title: the address's host";
    EXPECT_EQ(FavoriteName(gbk, "", "http://h/"), "httph") << "no title: the address";
    EXPECT_EQ(FavoriteName(gbk, "", "///"), "");
}

TEST(DragCommandRules, TheSystemBrowserGetsOneQuotedArgumentOrNothing) {
    EXPECT_EQ(SystemBrowserArgument("http://a/b c", false), "\"http://a/b c\"");
    EXPECT_FALSE(SystemBrowserArgument("http://a/\" -nohome \"x", false));
    EXPECT_FALSE(SystemBrowserArgument("http://a/\r\nx", false));
    EXPECT_FALSE(SystemBrowserArgument("", false));
    EXPECT_FALSE(SystemBrowserArgument("delete everything", true));
    EXPECT_EQ(SystemBrowserArgument("www.example.com", true), "\"www.example.com\"");
}

class DragCommandsTest : public ::testing::Test {
protected:
    void Run(int command) { commands.Run(command, item, {5, 6}); }
    test::FakeDragHost host;
    FakeCodePage cp;
    DragCommands commands{host, cp};
    DragItem item{"http://l.example/", "Title", DragKind::Link};
};

TEST_F(DragCommandsTest, OpeningCommandsPassTheirModeAndTextIsOpenedAsText) {
    for (int command : {IDM_DRAG_OPEN, IDM_DRAG_OPEN_FOREGROUND, IDM_DRAG_OPEN_BACKGROUND,
                        IDM_DRAG_OPEN_OTHER_SIDE})
        Run(command);
    EXPECT_EQ(host.log,
              "link(http://l.example/,1) link(http://l.example/,2) link(http://l.example/,4) "
              "link(http://l.example/,9) ");
    host.log.clear();
    item = {"some words", "some words", DragKind::Text};
    Run(IDM_DRAG_OPEN_BACKGROUND);
    Run(IDM_DRAG_OPEN_OTHER_SIDE);
    Run(IDM_DRAG_OPEN_IN_IE);
    EXPECT_EQ(host.log, "text(some words,2) text(some words,3) ") << "words never reach IE";
}

TEST_F(DragCommandsTest, EditingOpensOnlyWhatTheBoxReturned) {
    Run(IDM_DRAG_EDIT_URL);
    host.editAnswer = "http://edited/";
    Run(IDM_DRAG_EDIT_URL);
    host.images[{5, 6}] = "http://l.example/i.png";
    Run(IDM_DRAG_EDIT_IMAGE_URL);
    host.editAnswer = "words";
    Run(IDM_DRAG_EDIT_TEXT);
    EXPECT_EQ(host.log,
              "edit(http://l.example/) edit(http://l.example/) link(http://edited/,1) "
              "edit(http://l.example/i.png) link(http://edited/,1) edit(Title) text(words,0) ");
}

TEST_F(DragCommandsTest, ShowImageSendsItsKeyOnlyToAnOpenMenu) {
    Run(IDM_DRAG_SHOW_IMAGE);
    host.pageMenuOpens = false;
    Run(IDM_DRAG_SHOW_IMAGE);
    EXPECT_EQ(host.log, "rclick(5,6) key(H) rclick(5,6) ");
}

TEST_F(DragCommandsTest, CollectorFavoriteAndTheRest) {
    Run(IDM_DRAG_LINK_TO_COLLECTOR);
    Run(IDM_DRAG_ADD_TO_FAVORITE);
    Run(IDM_DRAG_OPEN_JUMP_URL);
    Run(IDM_DRAG_COPY_TEXT);
    item = {"a phrase", "a phrase", DragKind::Text};
    Run(IDM_DRAG_TEXT_TO_COLLECTOR);
    Run(IDM_DRAG_HIGHLIGHT);
    EXPECT_EQ(host.log,
              "collect(Title => http://l.example/\r\n) fav(Title,http://l.example/) "
              "new(http://l.example/) copy(Title) collect(a phrase\r\n) search" +
                  std::to_string(IDM_DRAG_HIGHLIGHT) + "(a phrase) ");
    EXPECT_TRUE(DragCommands::Handles(IDM_DRAG_OPEN_SELECTED_LINKS));
    EXPECT_FALSE(DragCommands::Handles(IDM_CLOSE));
}

// How the C runtime splits a quoted command-line argument: 2n backslashes before a quote
// give n and the quote ends the argument, 2n+1 give n and a literal quote.
std::string ParseQuotedArgument(const std::string& line) {
    std::string out;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        size_t slashes = 0;
        while (i < line.size() && line[i] == '\\') {
            ++slashes;
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            out.append(slashes / 2, '\\');
            if (slashes % 2 == 1)
                out += '"';
            else
                quoted = !quoted;
            continue;
        }
        out.append(slashes, '\\');
        if (i < line.size()) {
            if (!quoted && line[i] == ' ')
                return out + "<next argument>";
            out += line[i];
        }
    }
    return out;
}

TEST(DragCommandRules, ADraggedFolderPathReachesTheSystemBrowserUnchanged) {
    ASSERT_EQ(ParseQuotedArgument(*SystemBrowserArgument("http://a/b c\\d", false)),
              "http://a/b c\\d")
        << "the splitting rules read an ordinary address whole";
    for (const char* text : {"C:\\Windows\\", "http://a.example/b\\", "C:\\a b\\\\"}) {
        const std::optional<std::string> argument = SystemBrowserArgument(text, true);
        ASSERT_TRUE(argument) << text;
        EXPECT_EQ(ParseQuotedArgument(*argument), text)
            << "a closing quote after a backslash is read as a literal quote";
    }
}

// --- Drops ------------------------------------------------------------------------------

class PageDropTest : public ::testing::Test {
protected:
    PageDropTest() { mouseSettings.showGesture = 0; }

    // A left press at `from`, then a drop of `text` at `to`.
    DropVerdict DropText(PagePoint from, PagePoint to, const std::string& text, bool link,
                         uint32_t heldMs = 200) {
        gestures.OnButtonPress(MouseButton::Left, from);
        clock.Advance(heldMs);
        DropInput input;
        input.text = text;
        if (link) {
            descriptor = std::string(4 + 332, '\0');
            descriptor[0] = 1;
            std::memcpy(&descriptor[4 + kFileDescriptorNameOffset], "T.url", 5);
            input.fileGroupDescriptor = descriptor;
        }
        input.allowedEffects = link ? kDropLink : kDropCopy | kDropMove;
        input.x = to.x;
        input.y = to.y;
        return drop.OnDrop(input);
    }

    MouseSettings mouseSettings;
    DragSettings dragSettings;
    GestureTable table;
    Language language;
    test::ManualClock clock;
    MouseShared shared;
    ClickRecord clicks;
    test::FakeMouseHost mouseHost;
    test::FakeDragHost host;
    FakeCodePage cp;
    DragItem item;
    std::string descriptor;
    MouseGestures gestures{
        {mouseSettings, table, BuiltinMainMenu(), language, clock, shared}, mouseHost, clicks};
    DragCommands commands{host, cp};
    PageDropRules drop{mouseSettings, dragSettings, clock, gestures, commands, host, item};
};

TEST_F(PageDropTest, ALinkDraggedRightOpensAndDraggedUpIsEdited) {
    EXPECT_EQ(DropText({100, 100}, {150, 100}, "http://a/", true).effect, kDropLink);
    EXPECT_EQ(item.DragItemKind, DragKind::Link);
    EXPECT_EQ(item.DragItemText, "T");
    DropText({100, 100}, {100, 40}, "http://a/", true);
    EXPECT_EQ(host.log, "link(http://a/,1) edit(http://a/) ");
}

TEST_F(PageDropTest, TextDraggedLeftShowsItsMenuWithTheSearchEngines) {
    DropText({100, 100}, {40, 100}, "words", false);
    EXPECT_EQ(host.log, "menu3 ");
    const MenuItems menu = DragMenuFor(item.DragItemKind, WebAndNews());
    const MenuItem* engines = nullptr;
    for (const MenuItem& entry : menu)
        if (entry.text == "All &Search")
            engines = &entry;
    ASSERT_NE(engines, nullptr);
    ASSERT_EQ(engines->items.size(), 2u);
    EXPECT_EQ(engines->items[1].text, "News");
    EXPECT_EQ(engines->items[1].id, IDM_DRAG_SEARCH_ENGINE_FIRST + 1);
    EXPECT_STREQ(DragMenuSection(DragKind::Text), "MenuDragText");
}

TEST(DragMenus, AnEngineNamedAsASeparatorIsOneInTheTextMenu) {
    SearchEngineList list;
    list.Assign({{0, "Web", "http://w/?q=%s"}, {0, "--"}, {0, "News", "http://n/?q=%s"}});
    const MenuItems menu = DragTextMenu(list.BuildMenu(true));
    const MenuItem* engines = nullptr;
    for (const MenuItem& entry : menu)
        if (entry.text == "All &Search")
            engines = &entry;
    ASSERT_NE(engines, nullptr);
    ASSERT_EQ(engines->items.size(), 3u);
    EXPECT_EQ(engines->items[1].kind, MenuItemKind::Separator)
        << "\"--\" would search with an engine that has no address";
    EXPECT_EQ(engines->items[2].id, IDM_DRAG_SEARCH_ENGINE_FIRST + 2);
}

TEST_F(PageDropTest, ALongDragOrADiagonalOpens) {
    DropText({100, 100}, {100, 40}, "http://a/", true, 3100);
    DropText({100, 100}, {40, 40}, "http://b/", true);
    EXPECT_EQ(host.log, "link(http://a/,1) link(http://b/,1) ");
}

TEST_F(PageDropTest, TheDragRulesUseTheLatestPressWhateverTheClickRecordKeeps) {
    mouseHost.keepsClickRecord = false;
    gestures.OnButtonPress(MouseButton::Left, {500, 500});
    clock.Advance(10000);
    // An old press far away must not make this a long drag to the left.
    DropText({100, 100}, {150, 100}, "words", false);
    EXPECT_EQ(host.log, "text(words,0) ");
}

TEST_F(PageDropTest, AnImageSetToOpenIsThePagesOwnDrop) {
    dragSettings.SetActionIndex(DragKind::Image, DragDirection::Right, 2);
    mouseHost.log.clear();
    gestures.OnButtonPress(MouseButton::Left, {10, 10});
    DropInput input;
    input.droppedFile = "C:\\Cache\\a.gif";
    input.allowedEffects = kDropCopy;
    input.x = 60;
    EXPECT_TRUE(drop.OnDrop(input).pageHandles);
    host.images[{10, 10}] = "http://i/a.gif";
    input.x = 10;
    input.y = 60;  // down: the collector
    EXPECT_FALSE(drop.OnDrop(input).pageHandles);
    EXPECT_EQ(host.log, "collectdrop(1,http://i/a.gif,C:\\Cache\\a.gif) ");
}

TEST_F(PageDropTest, DropsFromOtherProgramsOrWithoutDataAreNotActedOn) {
    DropInput input;
    input.text = std::string_view("x");
    input.allowedEffects = kDropCopy | kDropMove | kDropLink;
    EXPECT_TRUE(drop.OnDrop(input).pageHandles);
    input = DropInput{};
    input.allowedEffects = kDropCopy;
    EXPECT_FALSE(drop.OnDrop(input).pageHandles);
    EXPECT_EQ(host.log, "status(Not droped image or image not shown!) ");
}

DragState RightDrag(int x, int y, bool hasText) {
    DragState drag;
    drag.keyState = kMouseRight;
    drag.allowedEffects = kDropCopy | kDropLink;
    drag.x = x;
    drag.y = y;
    drag.hasText = hasText;
    return drag;
}

TEST_F(PageDropTest, ARightButtonDragOfThePageKeepsDrawingTheGesture) {
    table.Add("D", IDM_CLOSE);
    const std::string closed = "capture release cmd" + std::to_string(IDM_CLOSE) + " ";
    gestures.OnButtonPress(MouseButton::Right, {0, 0});
    EXPECT_EQ(drop.OnDragEnter(RightDrag(0, 0, false)).effect, kDropLink);
    drop.OnDragOver(RightDrag(0, 40, false));
    DropInput input;
    input.y = 40;
    EXPECT_EQ(drop.OnDrop(input).effect, kDropNone);
    EXPECT_EQ(mouseHost.log, closed);

    // Dragged text gets no effect: the system ends the drag with a leave even when the button
    // comes up over the page, and that release ends the gesture.
    mouseHost.log.clear();
    gestures.OnButtonPress(MouseButton::Right, {0, 0});
    EXPECT_EQ(drop.OnDragEnter(RightDrag(0, 0, true)).effect, kDropNone);
    EXPECT_FALSE(drop.OnDragOver(RightDrag(0, 40, true)).pageHandles);
    drop.OnDragLeave({0, 40, true, false});
    EXPECT_EQ(mouseHost.log, closed);
}

TEST_F(PageDropTest, ARightDragLeavingThePageOrCancelledRunsNothing) {
    table.Add("D", IDM_CLOSE);
    for (const DragLeaveState leave : {DragLeaveState{0, 900, false, false},  // to another program
                                       DragLeaveState{0, 40, true, true}}) {  // Esc, button held
        mouseHost.log.clear();
        gestures.OnButtonPress(MouseButton::Right, {0, 0});
        drop.OnDragEnter(RightDrag(0, 0, false));
        drop.OnDragOver(RightDrag(0, 40, false));
        drop.OnDragLeave(leave);
        EXPECT_FALSE(gestures.RightCaptured());
        gestures.OnRightUp({0, 40}, 0);
        EXPECT_EQ(mouseHost.log, "capture release ") << "no gesture, no context menu";
        EXPECT_TRUE(shared.ring.Empty());
    }
}

TEST_F(PageDropTest, ARightDragThatLeftThePageAndCameBackRunsNoDragAction) {
    // The page's own right-button drag goes out of the window and back, and the button comes
    // up over the page. The gesture was given up at the leave; the release must not turn into
    // a left-button drag action judged from a press that has nothing to do with this drag.
    table.Add("D", IDM_CLOSE);
    gestures.OnButtonPress(MouseButton::Right, {0, 0});
    drop.OnDragEnter(RightDrag(0, 0, true));
    drop.OnDragOver(RightDrag(0, 40, true));
    drop.OnDragLeave({0, 900, false, true});   // out to another window, button held
    drop.OnDragEnter(RightDrag(0, 40, true));  // back over the page
    drop.OnDragOver(RightDrag(0, 60, true));
    DropInput input;
    input.text = std::string_view("http://a/");
    input.allowedEffects = kDropCopy | kDropLink;
    input.x = 0;
    input.y = 60;
    drop.OnDrop(input);
    EXPECT_EQ(host.log, "") << "a right-button drag runs no drag action";
    EXPECT_EQ(mouseHost.log, "capture release ") << "and no gesture after it was given up";
    EXPECT_EQ(item.DragItemUrl, "") << "nor does it replace the dragged item";
}

TEST_F(PageDropTest, APagesOwnDragIsAnsweredHereNeverAsAMove) {
    DragState drag;
    drag.keyState = kMouseLeft;
    drag.allowedEffects = kDropCopy | kDropMove;
    EXPECT_EQ(drop.OnDragEnter(drag).effect, kDropCopy);
    EXPECT_FALSE(drop.OnDragOver(drag).pageHandles)
        << "the engine would refuse a drop on plain text and the action would never run";
    drag.allowedEffects = kDropLink;
    EXPECT_EQ(drop.OnDragOver(drag).effect, kDropLink);
    drag.allowedEffects = kDropCopy | kDropMove | kDropLink;
    EXPECT_TRUE(drop.OnDragEnter(drag).pageHandles) << "a drag from another program";
    mouseSettings.rMouseGesture = 0;
    mouseSettings.rMouseDrag = 0;
    drag.keyState = kMouseRight;
    drag.allowedEffects = kDropLink;
    EXPECT_EQ(drop.OnDragEnter(drag).effect, kDropLink) << "right drags without gestures";
    EXPECT_EQ(mouseHost.log, "");
}

TEST_F(PageDropTest, ARightButtonDragFromAnotherProgramIsThePagesToTake) {
    // No right press in this page: the drag is not one of the page's own, no gesture is being
    // drawn, and refusing it would make the page deaf to every right-button drop.
    DragState drag = RightDrag(30, 30, true);
    drag.allowedEffects = kDropCopy | kDropMove | kDropLink;
    EXPECT_TRUE(drop.OnDragEnter(drag).pageHandles);
    EXPECT_TRUE(drop.OnDragOver(drag).pageHandles);
    DropInput input;
    input.text = std::string_view("dropped words");
    input.allowedEffects = kDropCopy | kDropMove | kDropLink;
    input.x = input.y = 30;
    EXPECT_TRUE(drop.OnDrop(input).pageHandles);
    EXPECT_EQ(mouseHost.log, "");
}

TEST(DragMenus, TheImageAndLinkMenusHoldTheirCommandsInOrder) {
    std::vector<int> ids;
    for (const MenuItem& entry : DragImageMenu())
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<int>{IDM_DRAG_SHOW_IMAGE, 0, IDM_DRAG_OPEN, IDM_DRAG_SHOW_URL, 0,
                                     IDM_DRAG_EDIT_URL, IDM_DRAG_COPY_URL, 0,
                                     IDM_ADD_TO_CONTENT_FILTER}));
    EXPECT_TRUE(FindRole(DragLinkMenu(), MenuRole::AddToGroup));
    EXPECT_TRUE(FindCommand(DragLinkMenu(), IDM_DRAG_EDIT_IMAGE_URL));
}

}  // namespace
}  // namespace lumbrel
