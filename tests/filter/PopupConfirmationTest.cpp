#include "filter/PopupConfirmation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "filter/FilterListFile.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/ImmediateTasks.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;
using test::FakeFileSystem;
using Verdict = PopupConfirmation::Verdict;

constexpr char kFilterPath[] = "C:\\Lumbrel\\User\\Filter.ini";
constexpr char kSound[] = "C:\\Lumbrel\\Resource\\PopFilter.wav";

class ScriptedDialogs : public FilterDialogs {
public:
    PopupConfirmAnswer answer;
    std::vector<std::string> asked;
    int sounds = 0;
    PopupConfirmAnswer ConfirmPopup(const std::string& url) override {
        asked.push_back(url);
        return answer;
    }
    PopupAddAnswer AddToPopupFilter(const std::string&) override { return {}; }
    void PlaySoundAsync(const std::string&) override { ++sounds; }
};

class NullSession : public NamespaceHandlerSession {
public:
    bool Register() override { return true; }
    void Unregister() override {}
    bool IsRegistered() const override { return false; }
};

class NullHost : public RequestFilterHost {
public:
    const std::string& LastNavigationUrl() override { return none_; }
    std::optional<double> SecondsSinceSelectedClick() override { return std::nullopt; }
    bool FilterDialog(const std::string&) override { return false; }
    void AddToCollector(const std::string&, int) override {}

private:
    std::string none_;
};

class PopupConfirmationTest : public ::testing::Test {
protected:
    PopupConfirmationTest() {
        fs_.AddFolder("C:\\Lumbrel\\User");
        fs_.AddFile(kFilterPath, "[PopFilter]\r\npop1=http://listed.com/*\r\n");
        filter_.LoadFilterLists(store_);
        confirmation_.SetSettings({.notConfirmPopupFilter = false});
    }
    FakeCodePage cp_;
    FakeFileSystem fs_;
    test::ImmediateTasks tasks_;
    NullSession session_;
    NullHost host_;
    PrivateProfile store_{fs_};
    UrlFilter filter_{{fs_, tasks_, cp_, session_, host_}, kFilterPath};
    ScriptedDialogs dialogs_;
    std::vector<bool> stored_;
    PopupConfirmation confirmation_{fs_, dialogs_, filter_, kSound,
                                    [this](bool value) { stored_.push_back(value); }};
};

TEST_F(PopupConfirmationTest, OnlyAnUnlistedAutomaticPopupIsAskedAndNeverOnTheSpot) {
    EXPECT_EQ(confirmation_.Decide("http://any.com/", false), Verdict::Filter);
    EXPECT_EQ(confirmation_.Decide("http://listed.com/x", true), Verdict::Filter);
    EXPECT_EQ(confirmation_.Decide("about:blank", true), Verdict::Filter);
    EXPECT_EQ(confirmation_.Decide("http://new.com/", true), Verdict::AskLater);
    confirmation_.SetSettings({.notConfirmPopupFilter = true});
    EXPECT_EQ(confirmation_.Decide("http://new.com/", true), Verdict::Filter);
    EXPECT_TRUE(dialogs_.asked.empty());
}

TEST_F(PopupConfirmationTest, TheSoundPlaysOnlyWhenSetAndThere) {
    confirmation_.Decide("http://any.com/", false);
    EXPECT_EQ(dialogs_.sounds, 0);  // no file
    fs_.AddFile(kSound, "RIFF");
    confirmation_.Decide("http://any.com/", false);
    EXPECT_EQ(dialogs_.sounds, 1);
    confirmation_.SetSettings({.notConfirmPopupFilter = false, .playPopupFilterSound = false});
    confirmation_.Decide("http://any.com/", false);
    EXPECT_EQ(dialogs_.sounds, 1);
}

TEST_F(PopupConfirmationTest, DontShowAgainIsStoredEvenOnCancel) {
    dialogs_.answer = {.ok = false, .text = "http://new.com/", .dontShowAgain = true};
    EXPECT_FALSE(confirmation_.AskNow("http://new.com/"));
    EXPECT_EQ(stored_, std::vector<bool>{true});
    EXPECT_TRUE(confirmation_.Settings().notConfirmPopupFilter);
    EXPECT_EQ(filter_.Lists().PopFilter().size(), 1u);  // Cancel adds nothing
}

TEST_F(PopupConfirmationTest, AnEntryAddedInTheDialogIsSavedAtOnce) {
    dialogs_.answer = {.ok = true, .text = "http://new.com/*", .addToList = true};
    EXPECT_TRUE(confirmation_.AskNow("http://new.com/a"));
    EXPECT_TRUE(stored_.empty());  // the choice did not change
    PrivateProfile fresh(fs_);
    EXPECT_EQ(FilterListFile::Read(fresh, cp_, kFilterPath).popFilter,
              (std::vector<std::string>{"http://listed.com/*", "http://new.com/*"}));
    EXPECT_TRUE(filter_.Lists().IsPopupBlocked("http://new.com/b"));
}

}  // namespace
}  // namespace lumbrel
