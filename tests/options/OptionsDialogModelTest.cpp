#include "options/OptionsDialogModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "filter/UrlFilter.h"
#include "language/Language.h"
#include "language/StringIds.h"
#include "mouse/DragActions.h"
#include "options/OptionListPages.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/FakeNamespaceSession.h"
#include "support/ImmediateTasks.h"
#include "support/LanguageFiles.h"
#include "support/NoRequestFilterHost.h"

namespace lumbrel {
namespace {

using Strings = std::vector<std::string>;
constexpr char kSettings[] = "C:\\Lumbrel\\User\\Lumbrel.ini";
constexpr char kDownManager[] = "C:\\Lumbrel\\User\\DownManager.ini";
constexpr char kFilters[] = "C:\\Lumbrel\\User\\Filter.ini";

const OptionField& FieldFor(const IntSetting& key) {
    for (const OptionField& field : OptionFields()) {
        if (field.intKey == &key)
            return field;
    }
    throw std::logic_error(std::string("no field edits ") + key.key);
}

const OptionField& FieldFor(const TextSetting& key) {
    for (const OptionField& field : OptionFields()) {
        if (field.textKey == &key)
            return field;
    }
    throw std::logic_error(std::string("no field edits ") + key.key);
}

class FakeOptionsHost : public OptionsHost {
public:
    FakeOptionsHost() {
        fs.AddFile(kSettings, "[Settings]\r\nMaxWins=40\r\n[TabStyle]\r\nTabStyle=2\r\n");
        fs.AddFile(kDownManager,
                   "[DownManager]\r\nManagerIndex=1\r\nN1=FlashGet\r\nS1=x\r\nN2=NetAnts\r\n");
        fs.AddFile(kFilters,
                   "[PopFilter]\r\npop1=http://p/\r\n[PopUnFilter]\r\n[UrlFilter]\r\n"
                   "url1=http://ads.com/*\r\n[UrlUnFilter]\r\n");
        settings.SetProfileName(kSettings);
        downManager.SetProfileName(kDownManager);
        filter.LoadFilterLists(profile);
        gestures.Add("R", IDM_NEXT_WINDOW);
    }

    SettingsStore& Store(OptionFile file) override {
        return file == OptionFile::DownManager ? downManager : settings;
    }
    std::optional<int> RunningValue(const IntSetting& key) override {
        if (&key == &keys::DefaultProperty)
            return defaultProperty;
        return std::nullopt;
    }
    void OptionsApplied(const OptionChanges& changes) override { applied.push_back(changes); }
    UrlFilter& Filters() override { return filter; }
    GestureTable& Gestures() override { return gestures; }
    std::vector<CommandChoice> CommandChoices() override {
        return {{"None", 0}, {"Window \\ Next", IDM_NEXT_WINDOW}, {"File \\ Close", IDM_CLOSE}};
    }
    const Language& Lang() override { return language; }
    const CodePage& Cp() override { return cp; }

    // The file as another process would read it.
    int OnDisk(const IntSetting& key) {
        PrivateProfile fresh(fs);
        return fresh.GetInt(kSettings, key.section, key.key, key.defaultValue);
    }

    test::FakeFileSystem fs;
    test::FakeCodePage cp;
    test::ImmediateTasks tasks;
    test::FakeNamespaceSession session;
    test::NoRequestFilterHost requestHost;
    PrivateProfile profile{fs};
    SettingsStore settings{profile};
    SettingsStore downManager{profile};
    UrlFilter filter{{fs, tasks, cp, session, requestHost}, kFilters};
    GestureTable gestures;
    Language language{&cp};
    int defaultProperty = 16 | 64;  // computed from the engine's registry values
    std::vector<OptionChanges> applied;
};

// Every key the options dialog writes must be on a page: the table of keys is the one list
// of what exists, the table of pages the one list of what the dialog shows.
TEST(OptionTable, EveryKeyWrittenByTheOptionsDialogIsEditedByAPage) {
    std::set<std::pair<std::string, std::string>> edited;
    for (const OptionField& field : OptionFields()) {
        if (field.file != OptionFile::Settings)
            continue;
        edited.insert({field.Section(), field.Key()});
        if (field.second)
            edited.insert({field.second->section, field.second->key});
    }
    std::vector<std::string> missing;
    for (const SettingKeyInfo& info : AllSettingKeys()) {
        if ((info.written & kOptions) && !edited.contains({info.section, info.key}))
            missing.push_back(std::string(info.section) + "/" + info.key);
    }
    EXPECT_TRUE(missing.empty()) << "no page edits: " << ::testing::PrintToString(missing);
}

TEST(OptionTable, PagesAndControlsAreWellFormed) {
    // Tree order: a parent comes before its children; every section is a dialog section.
    const auto pages = OptionPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(static_cast<size_t>(pages[i].id), i);
        EXPECT_LT(pages[i].parent, static_cast<int>(i)) << pages[i].title;
        EXPECT_EQ(std::string(pages[i].section).rfind("Dialog", 0), 0u) << pages[i].section;
    }
    // A control id names one control of its page (language files translate by id), and
    // never a standard button; a label's id does not collide with a control's.
    std::set<std::pair<int, int>> ids;
    for (const OptionField& field : OptionFields()) {
        if (field.kind == FieldKind::Hosted)
            continue;
        const int page = static_cast<int>(field.page);
        EXPECT_GT(field.id, 9) << field.Key();
        EXPECT_TRUE(ids.insert({page, field.id}).second) << "id used twice: " << field.id;
        EXPECT_TRUE(ids.insert({page, field.id + kOptionLabelIdOffset}).second) << field.id;
        // The controls a field adds beside its own: radio buttons after the first, a path's
        // browse button, a slider's value.
        if (field.kind == FieldKind::Radio) {
            for (size_t i = 1; i < field.choices.size(); ++i)
                EXPECT_TRUE(ids.insert({page, field.id + static_cast<int>(i)}).second) << field.id;
        }
        if (field.kind == FieldKind::Path || field.kind == FieldKind::Program) {
            EXPECT_TRUE(ids.insert({page, field.id + kOptionBrowseIdOffset}).second) << field.id;
        }
        if (field.kind == FieldKind::Slider) {
            EXPECT_TRUE(ids.insert({page, field.id + kOptionValueIdOffset}).second) << field.id;
        }
        if (field.kind == FieldKind::Choice || field.kind == FieldKind::Radio) {
            // The key's default is one of the choices, so an untouched file shows a choice.
            const int def = field.intKey->defaultValue;
            bool listed = false;
            for (const ChoiceItem& item : field.choices)
                listed = listed || item.value == def;
            EXPECT_TRUE(listed) << field.Key();
        }
        if (field.kind == FieldKind::Number || field.kind == FieldKind::Slider) {
            EXPECT_LE(field.low, field.intKey->defaultValue) << field.Key();
            EXPECT_GE(field.high, field.intKey->defaultValue) << field.Key();
        }
    }
    // A heading has an id of its own and stands before a field of its page.
    for (const OptionHeading& heading : OptionHeadings()) {
        const int page = static_cast<int>(heading.page);
        EXPECT_TRUE(ids.insert({page, heading.id}).second) << heading.text;
        bool found = false;
        for (const OptionField& field : OptionFields())
            found = found || (field.page == heading.page && field.id == heading.before);
        EXPECT_TRUE(found) << heading.text;
    }
}

class OptionsDialogModelTest : public ::testing::Test {
protected:
    FakeOptionsHost host;
};

TEST_F(OptionsDialogModelTest, OkWritesOnlyTheKeysTheUserChanged) {
    OptionsDialogModel model(host);
    EXPECT_EQ(model.Value(FieldFor(keys::MaxWins)), 40);
    EXPECT_EQ(model.Value(FieldFor(keys::TabStyle)), 2);
    EXPECT_EQ(model.Value(FieldFor(keys::ConfirmExit)), 1);  // the table's default

    // Changed and changed back: nothing to write.
    model.SetValue(FieldFor(keys::ConfirmExit), 0);
    model.SetValue(FieldFor(keys::ConfirmExit), 1);
    model.SetValue(FieldFor(keys::MaxWins), 25);
    model.SetText(FieldFor(keys::StatusDispFormat), "A B");

    const int writesBefore = host.fs.WriteCount();
    const OptionChanges changes = model.Apply();
    EXPECT_EQ(changes.keys.size(), 2u);
    EXPECT_TRUE(changes.Has(keys::MaxWins));
    EXPECT_TRUE(changes.Has(keys::StatusDispFormat));
    EXPECT_EQ(changes.effects, unsigned{kRedoStatusBar});
    EXPECT_GT(host.fs.WriteCount(), writesBefore);
    EXPECT_EQ(host.OnDisk(keys::MaxWins), 25);
    // A key left alone is not written, not even with its default.
    EXPECT_EQ(host.fs.Content(kSettings).find("ConfirmExit"), std::string::npos);
    ASSERT_EQ(host.applied.size(), 1u);

    // A second confirmation with nothing new writes nothing and tells nobody.
    const int writesAfter = host.fs.WriteCount();
    EXPECT_TRUE(model.Apply().Empty());
    EXPECT_EQ(host.fs.WriteCount(), writesAfter);
    EXPECT_EQ(host.applied.size(), 1u);
}

TEST_F(OptionsDialogModelTest, AKeyACommandChangedWhileTheDialogWasOpenKeepsThatValue) {
    OptionsDialogModel model(host);
    // "Don't show the dialog again" of the popup question writes the key while the dialog's
    // loop runs; the user never touched the box on the page.
    host.settings.Write(keys::NotConfirmPopupFilter, 0);
    model.SetValue(FieldFor(keys::KillPop), 0);
    model.Apply();
    EXPECT_EQ(host.OnDisk(keys::NotConfirmPopupFilter), 0);
    EXPECT_EQ(host.OnDisk(keys::KillPop), 0);
}

TEST_F(OptionsDialogModelTest, AFailedWriteIsReportedAndTriedAgainByTheNextApply) {
    OptionsDialogModel model(host);
    model.SetValue(FieldFor(keys::ShowIndex), 0);
    host.fs.FailOn(test::FsOp::Write, kSettings);
    OptionChanges changes = model.Apply();
    EXPECT_TRUE(changes.keys.empty());
    ASSERT_EQ(changes.notWritten.size(), 1u);
    EXPECT_EQ(changes.notWritten[0].key, "ShowIndex");

    host.fs.ClearFailures();
    changes = model.Apply();
    EXPECT_TRUE(changes.Has(keys::ShowIndex));
    EXPECT_EQ(changes.effects, unsigned{kRedoTabLayout});
    EXPECT_EQ(host.OnDisk(keys::ShowIndex), 0);
}

TEST_F(OptionsDialogModelTest, NumbersOutsideTheirRangeAndUnlistedChoicesAreRefused) {
    OptionsDialogModel model(host);
    const OptionField& opacity = FieldFor(keys::CollectorTrans);
    for (const char* typed : {"4", "256", "", "12a", "-", "99999999999"}) {
        const auto refusal = model.SetNumberText(opacity, typed);
        ASSERT_TRUE(refusal) << typed;
        EXPECT_EQ(refusal->stringId, IDS_NUMBER_RANGE);
        EXPECT_EQ(refusal->low, 5);
        EXPECT_EQ(refusal->high, 255);
    }
    EXPECT_EQ(model.Value(opacity), 255);
    EXPECT_EQ(model.RefusalText(*model.SetNumberText(opacity, "0")),
              "Please enter an integer between 5 and 255.");
    EXPECT_FALSE(model.SetNumberText(opacity, " 5 "));
    EXPECT_EQ(model.Value(opacity), 5);

    const OptionField& bound = FieldFor(keys::PopupBound);
    EXPECT_TRUE(model.SetValue(bound, 200));
    EXPECT_FALSE(model.SetValue(bound, 160));

    // "New Window Opens:" stores menu positions; the separators' positions are no choice.
    const OptionField& newWindow = FieldFor(keys::NewWindow);
    EXPECT_TRUE(model.SetValue(newWindow, 4));
    EXPECT_FALSE(model.SetValue(newWindow, 8));
    EXPECT_EQ(model.ChoiceIndex(newWindow), 5);
}

TEST_F(OptionsDialogModelTest, BitsHotKeysAndTheColourSchemeEditTheirKeys) {
    OptionsDialogModel model(host);
    // The running value of a computed key is the starting point, so changing one bit keeps
    // the others the registry gave.
    const OptionField& videos = FieldFor(keys::DefaultProperty);
    EXPECT_EQ(videos.low, 16);
    EXPECT_EQ(model.Value(videos), 1);
    model.SetValue(videos, 0);

    const OptionField& showHide = FieldFor(keys::ShowHideModifiers);
    EXPECT_EQ(model.Value(showHide), 2);
    EXPECT_EQ(model.SecondValue(showHide), 192);
    model.SetSecondValue(showHide, 'Q');

    model.SetValue(FieldFor(keys::SepColor), 0x00FF00);
    model.UseDefaultColourScheme();
    model.SetValue(FieldFor(keys::UnSelColor), 0x0000FF);

    const OptionChanges changes = model.Apply();
    EXPECT_EQ(host.OnDisk(keys::DefaultProperty), 64);
    EXPECT_EQ(host.OnDisk(keys::ShowHideKey), 'Q');
    EXPECT_TRUE(changes.Has(keys::ShowHideKey));
    EXPECT_FALSE(changes.Has(keys::ShowHideModifiers));
    EXPECT_TRUE(changes.Has(keys::UnSelColor));
    EXPECT_FALSE(changes.Has(keys::SepColor));  // set and reset: unchanged
    EXPECT_EQ(changes.effects, unsigned{kRedoHotKey | kRedoTabLayout});
}

TEST_F(OptionsDialogModelTest, ThePreviewShowsThePagesValuesBeforeAnythingIsWritten) {
    OptionsDialogModel model(host);
    EXPECT_EQ(model.PreviewTabLook().look, TabLook::Buttons);  // the file's style 2
    model.SetValue(FieldFor(keys::TabStyle), 0);
    model.SetValue(FieldFor(keys::TabPos), 1);
    model.SetValue(FieldFor(keys::SelFontColor), 0x123456);
    TabBarLook look = model.PreviewTabLook();
    EXPECT_EQ(look.look, TabLook::Normal);
    EXPECT_TRUE(look.atTop);
    EXPECT_EQ(look.colors[2], 0x123456);
    EXPECT_EQ(look.colors[0], kSystemColor);
    EXPECT_EQ(host.OnDisk(keys::TabStyle), 2);  // a preview is no write

    model.UseDefaultColourScheme();
    look = model.PreviewTabLook();
    EXPECT_EQ(look.colors[2], kSystemColor);
    model.SetValue(FieldFor(keys::TabStyle), 1);
    EXPECT_EQ(model.PreviewTabLook().look, TabLook::Flat);
}

TEST_F(OptionsDialogModelTest, TheDownloadPageEditsItsOwnFile) {
    OptionsDialogModel model(host);
    EXPECT_EQ(model.ManagerNames(), (Strings{"None", "FlashGet", "NetAnts"}));
    const OptionField& manager = FieldFor(downManagerKeys::ManagerIndex);
    EXPECT_EQ(model.Value(manager), 1);
    EXPECT_TRUE(model.SetValue(manager, 3));
    model.SetValue(manager, 0);
    model.SetText(FieldFor(downManagerKeys::MonitorFileType), ".ZIP;.7Z");
    const OptionChanges changes = model.Apply();
    EXPECT_EQ(changes.effects, unsigned{kRedoDownloads});
    PrivateProfile fresh(host.fs);
    EXPECT_EQ(fresh.GetInt(kDownManager, "DownManager", "ManagerIndex", -1), 0);
    EXPECT_EQ(fresh.GetString(kDownManager, "DownManager", "MonitorFileType", ""), ".ZIP;.7Z");
    EXPECT_EQ(host.fs.Content(kSettings).find("ManagerIndex"), std::string::npos);
}

// --- The list pages, hosted ---

TEST_F(OptionsDialogModelTest, ListPagesAreMadeOnlyWhenShownAndSaveOnlyWhatChanged) {
    OptionsDialogModel model(host);
    model.SetValue(FieldFor(keys::ShowDot), 0);
    const int filterWrites = host.tasks.ran;
    model.Apply();
    // No list page was shown: neither the filter lists nor the gestures are written again.
    EXPECT_EQ(host.tasks.ran, filterWrites);
    EXPECT_FALSE(model.PageMade(OptionPageId::PopupFilter));

    auto& popup = model.PageAs<CPopupDlg>(OptionPageId::PopupFilter);
    EXPECT_TRUE(model.Apply().Empty());  // shown, not changed
    popup.Lists().Filter().Insert();
    popup.Lists().Filter().EndEdit(std::string("*doubleclick*"));
    OptionChanges changes = model.Apply();
    EXPECT_TRUE(changes.filterListsSaved);
    EXPECT_EQ(changes.effects, unsigned{kRedoFilterHandler});
    EXPECT_EQ(host.tasks.ran, filterWrites + 1);
    // Apply, then OK with nothing new in between: one save, not two racing for the file.
    EXPECT_TRUE(model.Apply().Empty());
    EXPECT_EQ(host.tasks.ran, filterWrites + 1);
    host.filter.Exit();
    EXPECT_NE(host.fs.Content(kFilters).find("*doubleclick*"), std::string::npos);
}

TEST_F(OptionsDialogModelTest,
       ListRowsEditedToBlanksAreDroppedAndDeletingTheLastRowSelectsTheNewLast) {
    OptionsDialogModel model(host);
    auto& content = model.PageAs<CUrlFilterProp>(OptionPageId::ContentFilter);
    FilterListEditor& list = content.Lists().Filter();
    list.Insert();
    list.EndEdit(std::string("  "));
    list.Insert();
    list.EndEdit(std::string("http://after/*"));
    list.Select(2);
    ASSERT_TRUE(list.Delete());
    EXPECT_EQ(list.Selection(), 1u);  // the new last row, never one past the end
    list.Select(1);
    ASSERT_TRUE(list.BeginEdit());
    list.EndEdit(std::string("http://after/*"));  // the blank row edited into an entry
    list.Select(0);
    list.Delete();
    list.Select(0);
    list.Delete();
    EXPECT_EQ(list.Selection(), std::nullopt);  // empty: nothing to edit
    EXPECT_FALSE(list.BeginEdit());

    list.Insert();
    list.EndEdit(std::string(""));
    list.Insert();
    list.EndEdit(std::string("http://kept/*"));
    model.Apply();
    EXPECT_EQ(host.filter.Lists().UrlFilter(), Strings{"http://kept/*"});
}

TEST_F(OptionsDialogModelTest, AnEntryTheFilterGainedWhileThePageWasOpenSurvivesOk) {
    OptionsDialogModel model(host);
    auto& popup = model.PageAs<CPopupDlg>(OptionPageId::PopupFilter);
    // The popup question's "Add to Filter List", run from the dialog's message loop.
    ASSERT_TRUE(host.filter.AddToPopFilter("http://meanwhile/*"));
    popup.Lists().Filter().Insert();
    popup.Lists().Filter().EndEdit(std::string("http://typed/*"));
    model.Apply();
    EXPECT_EQ(host.filter.Lists().PopFilter(),
              (Strings{"http://p/", "http://typed/*", "http://meanwhile/*"}));
}

TEST_F(OptionsDialogModelTest, GesturePageStoresPlainLettersAndTheButtonActions) {
    // A language whose direction words are long and share their first letters.
    test::UseLanguageFile(host.language, host.fs,
                          test::Crlf("[StringTable]\n61239=Oben\n61240=Unten\n"
                                     "61241=Links\n61242=Rechts\n"));
    OptionsDialogModel model(host);
    auto& page = model.PageAs<GesturePage>(OptionPageId::Gesture);
    CGestureProp& gestures = page.Model();
    gestures.New();
    for (char letter : {'U', 'D', 'U', 'R', 'R'})
        gestures.PressLetter(letter);
    gestures.ChooseCommand(2);  // File \ Close
    ASSERT_TRUE(gestures.Insert());
    gestures.Select(1);  // "Left Double Click"
    gestures.ChooseCommand(1);
    gestures.showGesture = false;

    const OptionChanges changes = model.Apply();
    EXPECT_TRUE(changes.gesturesSaved);
    EXPECT_TRUE(changes.Has(keys::LDbClick));
    EXPECT_TRUE(changes.Has(keys::ShowGesture));
    EXPECT_EQ(changes.effects, unsigned{kRedoMouse});
    ASSERT_EQ(host.gestures.Entries().size(), 2u);
    EXPECT_EQ(host.gestures.Entries()[1].text, "UDUR");  // repeated letter refused
    EXPECT_EQ(host.gestures.Entries()[1].command, IDM_CLOSE);
    EXPECT_EQ(host.OnDisk(keys::LDbClick), IDM_NEXT_WINDOW);
    EXPECT_EQ(host.OnDisk(keys::ShowGesture), 0);
    GestureTable reread;
    reread.Load(host.settings);
    EXPECT_EQ(LookupGesture(reread, "UDUR"), IDM_CLOSE);

    // Shown again with nothing changed: the table is not written again.
    EXPECT_TRUE(model.Apply().Empty());
}

TEST_F(OptionsDialogModelTest, ARowTypedAppliedAndThenRemovedStaysRemoved) {
    OptionsDialogModel model(host);
    FilterListEditor& popup = model.PageAs<CPopupDlg>(OptionPageId::PopupFilter).Lists().Filter();
    popup.Insert();
    popup.EndEdit(std::string("http://typed/*"));
    FilterListEditor& content =
        model.PageAs<CUrlFilterProp>(OptionPageId::ContentFilter).Lists().Filter();
    content.Insert();
    content.EndEdit(std::string("http://first/*"));
    model.Apply();
    ASSERT_EQ(host.filter.Lists().PopFilter(), (Strings{"http://p/", "http://typed/*"}));

    // The user thinks better of both rows after "Apply": one deleted, the other corrected.
    popup.Select(1);
    ASSERT_TRUE(popup.Delete());
    content.Select(1);
    ASSERT_TRUE(content.BeginEdit());
    content.EndEdit(std::string("http://second/*"));
    model.Apply();
    EXPECT_EQ(host.filter.Lists().PopFilter(), Strings{"http://p/"});
    EXPECT_EQ(host.filter.Lists().UrlFilter(), (Strings{"http://ads.com/*", "http://second/*"}));
}

TEST_F(OptionsDialogModelTest, AGestureTableThatDidNotReachTheFileIsWrittenByTheNextApply) {
    OptionsDialogModel model(host);
    CGestureProp& gestures = model.PageAs<GesturePage>(OptionPageId::Gesture).Model();
    gestures.New();
    gestures.PressLetter('L');
    gestures.PressLetter('D');
    gestures.ChooseCommand(2);  // File \ Close
    ASSERT_TRUE(gestures.Insert());

    host.fs.FailOn(test::FsOp::Write, kSettings);
    const OptionChanges failed = model.Apply();
    EXPECT_FALSE(failed.gesturesSaved) << "a table the file never got is not reported as saved";

    host.fs.ClearFailures();
    model.Apply();
    GestureTable reread;
    reread.Load(host.settings);
    EXPECT_EQ(LookupGesture(reread, "LD"), IDM_CLOSE);
}

TEST_F(OptionsDialogModelTest, TheDownloadPageUpperCasesTheTypesAndKeepsNoManagerWithoutAScript) {
    OptionsDialogModel model(host);
    // "NetAnts" (2) has no script ("S2") in the file: choosing it leaves no manager at all.
    model.SetValue(FieldFor(downManagerKeys::ManagerIndex), 2);
    model.SetText(FieldFor(downManagerKeys::MonitorFileType), ".zip;.7z");
    model.Apply();
    PrivateProfile fresh(host.fs);
    EXPECT_EQ(fresh.GetInt(kDownManager, "DownManager", "ManagerIndex", -1), 0);
    // Downloads are matched against upper-cased extensions.
    EXPECT_EQ(fresh.GetString(kDownManager, "DownManager", "MonitorFileType", ""), ".ZIP;.7Z");
}

TEST_F(OptionsDialogModelTest, ShowingTheMousePagesWritesNothingTheUserLeftAlone) {
    host.settings.Write(keys::ImgUp, 99);       // no such action: used as the first one
    host.settings.Write(keys::ShowGesture, 2);  // any value but 0 is on
    OptionsDialogModel model(host);
    model.PageAs<MouseDragPage>(OptionPageId::MouseDrag);
    model.PageAs<GesturePage>(OptionPageId::Gesture);
    const int writes = host.fs.WriteCount();
    EXPECT_TRUE(model.Apply().Empty());
    EXPECT_EQ(host.fs.WriteCount(), writes);
    EXPECT_EQ(host.OnDisk(keys::ImgUp), 99);
    EXPECT_EQ(host.OnDisk(keys::ShowGesture), 2);
}

TEST_F(OptionsDialogModelTest, DragPageWritesTheDirectionsThatChanged) {
    OptionsDialogModel model(host);
    auto& page = model.PageAs<MouseDragPage>(OptionPageId::MouseDrag);
    EXPECT_FALSE(page.Model().Choose(DragKind::Link, DragDirection::Up, 99));
    ASSERT_TRUE(page.Model().Choose(DragKind::Link, DragDirection::Up, 4));
    page.Model().simuDragLink = false;
    const OptionChanges changes = model.Apply();
    EXPECT_EQ(changes.keys.size(), 2u);
    EXPECT_EQ(host.OnDisk(keys::LinkUp), 4);
    EXPECT_EQ(host.OnDisk(keys::SimuDragLink), 0);
    EXPECT_EQ(host.fs.Content(kSettings).find("ImgUp"), std::string::npos);
}

}  // namespace
}  // namespace lumbrel
