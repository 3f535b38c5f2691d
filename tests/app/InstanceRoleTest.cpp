#include "app/InstanceRole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScriptedUi.h"

namespace lumbrel {
namespace {

constexpr ShellCommand New = ShellCommand::New;
constexpr ShellCommand Open = ShellCommand::Open;

struct RoleRow {
    bool first;
    bool forbidMult;
    ShellCommand command;
    RunningWindow running;  // found, visible, hasActivePopup
    bool needsWindow;
    InstanceRole role;
};

constexpr RunningWindow kNone{false, false, false};
constexpr RunningWindow kVisible{true, true, false};
constexpr RunningWindow kHidden{true, false, false};
constexpr RunningWindow kVisibleWithDialog{true, true, true};
constexpr RunningWindow kHiddenWithDialog{true, false, true};

// Every row of the decision, with whether the running window had to be looked for.
TEST(InstanceRole, DecisionTable) {
    const RoleRow rows[] = {
        // A URL: the first instance opens it; a second one hands it over when it can.
        {true, false, Open, kVisible, false, InstanceRole::Start},
        {true, true, Open, kNone, false, InstanceRole::Start},
        {false, false, Open, kVisible, true, InstanceRole::HandOver},
        {false, true, Open, kHidden, true, InstanceRole::HandOver},
        {false, false, Open, kVisibleWithDialog, true, InstanceRole::BringForward},
        {false, false, Open, kHiddenWithDialog, true, InstanceRole::BringForward},
        {false, false, Open, kNone, true, InstanceRole::ExitSilently},
        {false, true, Open, kNone, true, InstanceRole::ExitSilently},
        // No URL: a second browser unless `ForbidMult` forbids it and one is found.
        {true, false, New, kVisible, false, InstanceRole::Start},
        {true, true, New, kVisible, false, InstanceRole::Start},
        {false, false, New, kVisible, false, InstanceRole::Start},
        {false, true, New, kNone, true, InstanceRole::Start},
        {false, true, New, kVisible, true, InstanceRole::BringForward},
        {false, true, New, kVisibleWithDialog, true, InstanceRole::BringForward},
        {false, true, New, kHidden, true, InstanceRole::Wake},
        {false, true, New, kHiddenWithDialog, true, InstanceRole::Wake},
    };
    for (const RoleRow& row : rows) {
        InstanceFacts facts{row.first, row.forbidMult, row.command};
        SCOPED_TRACE(testing::Message() << "first=" << row.first << " forbid=" << row.forbidMult
                                        << " open=" << (row.command == Open) << " found="
                                        << row.running.found << " visible=" << row.running.visible
                                        << " popup=" << row.running.hasActivePopup);
        EXPECT_EQ(NeedsRunningWindow(facts), row.needsWindow);
        EXPECT_EQ(DecideInstanceRole(facts, row.running), row.role);
    }
}

// Answers as scripted and writes down each call, in order.
class ScriptedInstance : public RunningInstance {
public:
    RunningWindow window;
    HandOverSendResult sendResult = HandOverSendResult::Delivered;
    std::vector<std::string> calls;

    void ReleaseInstanceSemaphore() override { calls.push_back("release"); }
    RunningWindow Find() override {
        calls.push_back("find");
        return window;
    }
    HandOverSendResult HandOver(std::string_view text) override {
        calls.push_back("handover " + std::string(text));
        return sendResult;
    }
    void BringForward() override { calls.push_back("forward"); }
    void Wake() override { calls.push_back("wake"); }
};

using Calls = std::vector<std::string>;

class SettleInstanceRoleTest : public ::testing::Test {
protected:
    bool Settle(InstanceFacts facts, const std::string& fileName = "") {
        return SettleInstanceRole(facts, fileName, instance, ui, lang);
    }

    ScriptedInstance instance;
    test::ScriptedUi ui;
    Language lang;
};

TEST_F(SettleInstanceRoleTest, FirstInstanceStartsWithoutLookingAround) {
    EXPECT_TRUE(Settle({true, true, Open}, "http://a.com/"));
    EXPECT_TRUE(Settle({true, true, New}));
    EXPECT_TRUE(Settle({false, false, New}));
    EXPECT_EQ(instance.calls, Calls{});
}

TEST_F(SettleInstanceRoleTest, SecondStartHandsItsUrlOverAndBringsTheWindowForward) {
    instance.window = kHidden;
    EXPECT_FALSE(Settle({false, false, Open}, "http://a.com/"));
    EXPECT_EQ(instance.calls, (Calls{"release", "find", "handover http://a.com/", "forward"}));
    EXPECT_TRUE(ui.MessagesShown().empty());
}

TEST_F(SettleInstanceRoleTest, FailedSendsStillBringTheWindowForward) {
    instance.window = kVisible;
    const struct {
        HandOverSendResult result;
        std::vector<std::string> messages;
    } cases[] = {
        {HandOverSendResult::NoSharedMemory, {"App:Fail to create share memory!"}},
        {HandOverSendResult::NoView, {"App:MapViewOfFile Fail"}},
        {HandOverSendResult::NotAnswered, {}},
        {HandOverSendResult::Busy, {}},
    };
    for (const auto& c : cases) {
        instance.calls.clear();
        ui.Clear();
        instance.sendResult = c.result;
        EXPECT_FALSE(Settle({false, false, Open}, "u"));
        EXPECT_EQ(instance.calls, (Calls{"release", "find", "handover u", "forward"}));
        EXPECT_EQ(ui.MessagesShown(), c.messages);
    }
}

TEST_F(SettleInstanceRoleTest, SecondStartWithUrlAndNoRunningWindowOpensNothing) {
    EXPECT_FALSE(Settle({false, false, Open}, "http://a.com/"));
    EXPECT_EQ(instance.calls, (Calls{"release", "find"}));
}

TEST_F(SettleInstanceRoleTest, RunningDialogGetsNoUrl) {
    instance.window = kVisibleWithDialog;
    EXPECT_FALSE(Settle({false, false, Open}, "http://a.com/"));
    EXPECT_EQ(instance.calls, (Calls{"release", "find", "forward"}));
}

TEST_F(SettleInstanceRoleTest, ForbidMultBringsForwardOrWakesAndKeepsTheSemaphore) {
    instance.window = kVisible;
    EXPECT_FALSE(Settle({false, true, New}));
    EXPECT_EQ(instance.calls, (Calls{"find", "forward"}));

    instance.calls.clear();
    instance.window = kHidden;
    EXPECT_FALSE(Settle({false, true, New}));
    EXPECT_EQ(instance.calls, (Calls{"find", "wake"}));

    instance.calls.clear();
    instance.window = kNone;
    EXPECT_TRUE(Settle({false, true, New}));
    EXPECT_EQ(instance.calls, (Calls{"find"}));
}

}  // namespace
}  // namespace lumbrel
