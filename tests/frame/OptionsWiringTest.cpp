// The options dialog as the main frame runs it: which page each command opens, and what the
// frame redoes after OK, so the running program follows the settings just written (and the
// batch written at close does not undo them).
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "commands/CommandIds.h"
#include "options/OptionListPages.h"
#include "options/OptionsDialogModel.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

const OptionField& FieldFor(const IntSetting& key) {
    for (const OptionField& field : OptionFields()) {
        if (field.intKey == &key)
            return field;
    }
    throw std::logic_error(key.key);
}

// Plays the user: `step` runs inside the dialog, over its model.
struct ScriptedOptionsUi : OptionsUi {
    void ShowOptions(OptionsDialogModel& model, OptionPageId firstPage) override {
        opened.push_back(firstPage);
        model.NoteShown(firstPage);
        if (step)
            step(model);
    }
    std::function<void(OptionsDialogModel&)> step;
    std::vector<OptionPageId> opened;
};

struct OptionsHarness {
    OptionsHarness() {
        h.frame->OptionsDialog().SetUi(&ui);
        h.Pump();
    }
    FrameHarness h{"ShowTrayIcon=1\r\nUseDialogFilter=0\r\n"};
    ScriptedOptionsUi ui;
};

TEST(FrameOptionsDialog, SetAdFilterOpensTheFilterPageLastShown) {
    OptionsHarness o;
    o.h.Command(IDM_SET_AD_FILTER);
    o.ui.step = [](OptionsDialogModel& model) {
        model.NoteShown(OptionPageId::ContentFilter);
        model.NoteShown(OptionPageId::Tab);  // not a filter page: changes nothing
    };
    o.h.Command(IDM_SET_AD_FILTER);
    o.ui.step = nullptr;
    o.h.Command(IDM_SET_AD_FILTER);
    o.h.Command(IDM_OPTIONS);
    EXPECT_EQ(o.ui.opened,
              (std::vector<OptionPageId>{OptionPageId::PopupFilter, OptionPageId::PopupFilter,
                                         OptionPageId::ContentFilter, OptionPageId::General}));
}

TEST(FrameOptionsDialog, ASecondRequestWhileTheDialogRunsOpensNothing) {
    OptionsHarness o;
    o.ui.step = [&](OptionsDialogModel&) { o.h.frame->OnCommand(IDM_OPTIONS); };
    o.h.Command(IDM_OPTIONS);
    EXPECT_EQ(o.ui.opened.size(), 1u);
}

TEST(FrameOptionsDialog, OkUpdatesWhatTheFrameKeepsAndRedoesWhatDependsOnIt) {
    OptionsHarness o;
    ASSERT_TRUE(o.h.window.trayShown);
    ASSERT_EQ(o.h.frame->Prefs().killPop, 1);
    ASSERT_TRUE(o.h.platform.filterSession.registered);
    o.ui.step = [](OptionsDialogModel& model) {
        model.SetValue(FieldFor(keys::KillPop), 0);
        model.SetValue(FieldFor(keys::UseUrlFilter), 0);
        model.SetValue(FieldFor(keys::LinkInNewWindow), 1);
        model.SetValue(FieldFor(keys::ConfirmExit), 0);
        model.SetValue(FieldFor(keys::ShowTrayIcon), 0);
        model.SetValue(FieldFor(keys::ShowGesture), 0);
        model.Apply();
    };
    o.h.Command(IDM_OPTIONS);
    EXPECT_EQ(o.h.frame->Prefs().killPop, 0);
    EXPECT_EQ(o.h.frame->Prefs().linkInNewWindow, 1);
    EXPECT_EQ(o.h.frame->Options().confirmExit, 0);
    EXPECT_FALSE(o.h.window.trayShown);
    EXPECT_EQ(o.h.frame->Mouse().settings.showGesture, 0);
    EXPECT_FALSE(o.h.platform.filterSession.registered) << "no filter needs the handler now";

    // The batch written at close keeps what the dialog wrote.
    o.h.app->SaveSettings();
    EXPECT_EQ(o.h.app->Settings().Get(keys::KillPop), 0);
    EXPECT_EQ(o.h.app->Settings().Get(keys::LinkInNewWindow), 1);
}

TEST(FrameOptionsDialog, ANewShowHideKeyIsRegisteredInPlaceOfTheOld) {
    OptionsHarness o;
    ASSERT_TRUE(o.h.window.hotKeyRegistered);
    o.h.window.hotKeyAvailable = false;  // another program holds the new key
    o.ui.step = [](OptionsDialogModel& model) {
        model.SetSecondValue(FieldFor(keys::ShowHideModifiers), 'K');
        model.Apply();
    };
    o.h.Command(IDM_OPTIONS);
    EXPECT_FALSE(o.h.window.hotKeyRegistered);
    EXPECT_EQ(o.h.frame->Options().showHideKey, 'K');
}

TEST(FrameOptionsDialog, TheGesturePageEditsTheFramesGestureTable) {
    OptionsHarness o;
    const size_t before = o.h.frame->Mouse().gestures.Entries().size();
    o.ui.step = [](OptionsDialogModel& model) {
        CGestureProp& page = model.PageAs<GesturePage>(OptionPageId::Gesture).Model();
        page.New();
        page.PressLetter('L');
        page.PressLetter('U');
        page.ChooseCommand(1);
        ASSERT_TRUE(page.Insert());
        model.Apply();
    };
    o.h.Command(IDM_OPTIONS);
    ASSERT_EQ(o.h.frame->Mouse().gestures.Entries().size(), before + 1);
    EXPECT_EQ(o.h.frame->Mouse().gestures.Entries().back().text, "LU");
}

// Switches a command flips live in the frame until the batch at close writes them; the dialog
// must start from them, or what it shows and what it writes disagree with the running program.
TEST(FrameOptionsDialog, TheDialogStartsFromTheSwitchesTheProgramRunsWith) {
    OptionsHarness o;
    o.h.Command(IDM_KILL_POPUP);
    ASSERT_EQ(o.h.frame->Prefs().killPop, 0);
    int shown = -1;
    o.ui.step = [&](OptionsDialogModel& model) {
        shown = model.Value(FieldFor(keys::KillPop));
        model.SetValue(FieldFor(keys::KillPop), 1);  // the user wants it back on
        model.Apply();
    };
    o.h.Command(IDM_OPTIONS);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(o.h.frame->Prefs().killPop, 1);
}

TEST(FrameOptionsDialog, RedoingTheMouseKeepsTheRightButtonModeItsCommandChose) {
    OptionsHarness o;
    o.h.Command(IDM_MOUSE_DRAG_PAGE);
    ASSERT_EQ(o.h.frame->Mouse().settings.rMouseDrag, 1);
    o.ui.step = [](OptionsDialogModel& model) {
        model.SetValue(FieldFor(keys::WheelTab), 0);
        model.Apply();
    };
    o.h.Command(IDM_OPTIONS);
    EXPECT_EQ(o.h.frame->Mouse().settings.wheelTab, 0);
    EXPECT_EQ(o.h.frame->Mouse().settings.rMouseDrag, 1);
    EXPECT_EQ(o.h.frame->Mouse().settings.rMouseGesture, 0);
}

// Each box of the tab page on its own: a change that happens to come with another one would
// hide a box whose change alone never reaches the bar.
TEST(FrameOptionsDialog, BoxesOfTheTabPageTakeEffectWithoutARestart) {
    {
        OptionsHarness o;
        o.h.Open("http://a.example/");
        o.h.Open("http://b.example/");
        ASSERT_EQ(o.h.tabs.Texts().size(), 2u);
        ASSERT_EQ(o.h.tabs.Texts()[1].rfind("2-", 0), 0u);
        o.ui.step = [](OptionsDialogModel& model) {
            model.SetValue(FieldFor(keys::ShowIndex), 0);
            model.Apply();
        };
        o.h.Command(IDM_OPTIONS);
        for (const std::string& text : o.h.tabs.Texts())
            EXPECT_EQ(text.find('-'), std::string::npos) << "still numbered: " << text;
    }
    {
        OptionsHarness o;
        ASSERT_EQ(o.h.frame->TabBar().Options().wheelOnTab, 0);
        o.ui.step = [](OptionsDialogModel& model) {
            model.SetValue(FieldFor(keys::WheelOnTab), 1);
            model.Apply();
        };
        o.h.Command(IDM_OPTIONS);
        EXPECT_EQ(o.h.frame->TabBar().Options().wheelOnTab, 1)
            << "the wheel over the tabs still does nothing";
    }
}

TEST(FrameOptionsDialog, LoggingFilteredContentFollowsItsBoxAtOnce) {
    OptionsHarness o;
    ASSERT_FALSE(o.h.frame->Filters().Url().Requests().Settings().outputSaveUrlFilter);
    o.ui.step = [](OptionsDialogModel& model) {
        model.SetValue(FieldFor(keys::OutputSaveUrlFilter), 1);
        model.Apply();
    };
    o.h.Command(IDM_OPTIONS);
    EXPECT_TRUE(o.h.frame->Filters().Url().Requests().Settings().outputSaveUrlFilter);
}

}  // namespace
}  // namespace lumbrel
