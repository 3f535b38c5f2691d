#include "filter/AutoPopupRule.h"

#include <gtest/gtest.h>

namespace lumbrel {
namespace {

using Kind = NewWindowDecision::Kind;
constexpr int64_t kFrequency = 10'000'000;  // ticks per second
constexpr int64_t kNow = 5'000 * kFrequency;

class AutoPopupRuleTest : public ::testing::Test {
protected:
    AutoPopupRuleTest() {
        opener_.counterNow = kNow;
        opener_.counterFrequency = kFrequency;
        opener_.linkAtLeftClick = [this] {
            ++linkLookups_;
            return leftLink_;
        };
        opener_.linkAtLastClick = [this] { return lastLink_; };
    }
    void LeftClickSecondsAgo(double seconds) {
        opener_.leftClickTime = kNow - static_cast<int64_t>(seconds * kFrequency);
        opener_.leftClickArmed = true;
        opener_.lastButton = LastButton::LeftOrOther;
    }
    Kind Decide() { return AutoPopupRule::Decide(settings_, opener_).kind; }

    AutoPopupSettings settings_;
    OpenerState opener_;
    std::string leftLink_;
    std::string lastLink_;
    int linkLookups_ = 0;
};

TEST_F(AutoPopupRuleTest, ARecentClickOpensALateOneOnlyOnALink) {
    LeftClickSecondsAgo(0.5);
    EXPECT_EQ(Decide(), Kind::Allow);
    EXPECT_EQ(linkLookups_, 0);  // no need to walk the document

    LeftClickSecondsAgo(2.0);
    leftLink_ = "http://site.com/next.html";
    EXPECT_EQ(Decide(), Kind::Allow);
    leftLink_ = "";
    EXPECT_EQ(Decide(), Kind::AllowAndJudge);
    settings_.outputSaveFilter = false;
    EXPECT_EQ(Decide(), Kind::Refuse);

    // A finished page too is asked for the link under the press.
    opener_.progress = -10;
    leftLink_ = "http://site.com/next.html";
    EXPECT_EQ(Decide(), Kind::Allow);
    leftLink_ = "";
    EXPECT_EQ(Decide(), Kind::Refuse);
    opener_.progress = 0;

    // Past four seconds even a link does not count.
    LeftClickSecondsAgo(5.0);
    leftLink_ = "http://site.com/next.html";
    EXPECT_EQ(Decide(), Kind::Refuse);
}

TEST_F(AutoPopupRuleTest, WithoutAnyClickTheWindowIsAutomatic) {
    EXPECT_EQ(Decide(), Kind::AllowAndJudge);
    settings_.outputSaveFilter = false;
    EXPECT_EQ(Decide(), Kind::Refuse);
    settings_.killAutoWin = false;
    EXPECT_EQ(Decide(), Kind::Allow);
}

TEST_F(AutoPopupRuleTest, AClickOfLongAgoNeverReadsAsRecent) {
    // A 32-bit difference of these stamps would read as 0.5 s.
    opener_.counterNow = (int64_t{1} << 32) + kFrequency;
    opener_.leftClickTime = kFrequency / 2;
    opener_.leftClickArmed = true;
    settings_.outputSaveFilter = false;
    EXPECT_EQ(Decide(), Kind::Refuse);
}

TEST_F(AutoPopupRuleTest, AfterARightPressFilterRefreshWantsALinkUnderIt) {
    opener_.lastButton = LastButton::Right;
    settings_.outputSaveFilter = false;
    EXPECT_EQ(Decide(), Kind::Allow);
    settings_.filterRefresh = true;
    EXPECT_EQ(Decide(), Kind::Refuse);
    lastLink_ = "javascript:open()";
    EXPECT_EQ(Decide(), Kind::Allow);
}

TEST_F(AutoPopupRuleTest, TheProgramsOwnScriptOpensOneWindow) {
    opener_.lastButton = LastButton::ProgramScript;
    NewWindowDecision decision = AutoPopupRule::Decide(settings_, opener_);
    EXPECT_EQ(decision.kind, Kind::Allow);
    EXPECT_TRUE(decision.clearProgramScript);
}

TEST_F(AutoPopupRuleTest, APageTheProgramJustNavigatedMayOpenOne) {
    opener_.progress = -1;
    opener_.leftClickArmed = true;
    EXPECT_EQ(Decide(), Kind::Allow);
    // Once the engine is busy loading it, it counts as loading, not as just navigated.
    opener_.busy = true;
    NewWindowDecision decision = AutoPopupRule::Decide(settings_, opener_);
    EXPECT_EQ(decision.newProgress, 0);
    EXPECT_EQ(decision.kind, Kind::AllowAndJudge);
}

TEST_F(AutoPopupRuleTest, AClosingOpenerGetsNothingAndNothingIsCounted) {
    opener_.closing = true;
    LeftClickSecondsAgo(0.1);
    EXPECT_EQ(Decide(), Kind::RefuseUncounted);
    settings_.killPop = false;
    EXPECT_EQ(Decide(), Kind::Allow);
}

}  // namespace
}  // namespace lumbrel
