#include "instance/InstanceRole.h"

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

// Answers as scripted and writes down each call, in order: "release find handover:u forward".
class ScriptedInstance : public RunningInstance {
public:
    RunningWindow window;
    HandOverSendResult sendResult = HandOverSendResult::Delivered;
    std::string calls;

    void ReleaseInstanceSemaphore() override { Note("release"); }
    RunningWindow Find() override {
        Note("find");
        return window;
    }
    HandOverSendResult HandOver(std::string_view text) override {
        Note("handover:" + std::string(text));
        return sendResult;
    }
    void BringForward() override { Note("forward"); }
    void Wake() override { Note("wake"); }

private:
    void Note(const std::string& call) { calls += (calls.empty() ? "" : " ") + call; }
};

// What a start does to the running copy, and the message a failed send shows. A start that
// hands a URL over lets its semaphore go first; one that only wakes or raises keeps it.
TEST(SettleInstanceRole, ActsOnTheRunningWindowAsDecided) {
    using R = HandOverSendResult;
    const struct {
        InstanceFacts facts;
        RunningWindow window;
        R sendResult;
        bool starts;
        const char* calls;
        const char* message;
    } rows[] = {
        {{true, true, Open}, kVisible, R::Delivered, true, "", ""},
        {{false, false, New}, kVisible, R::Delivered, true, "", ""},
        {{false, false, Open}, kHidden, R::Delivered, false, "release find handover:u forward", ""},
        {{false, false, Open},
         kVisible,
         R::NoSharedMemory,
         false,
         "release find handover:u forward",
         "App:Fail to create share memory!"},
        {{false, false, Open},
         kVisible,
         R::NoView,
         false,
         "release find handover:u forward",
         "App:MapViewOfFile Fail"},
        {{false, false, Open},
         kVisible,
         R::NotAnswered,
         false,
         "release find handover:u forward",
         ""},
        {{false, false, Open}, kVisible, R::Busy, false, "release find handover:u forward", ""},
        {{false, false, Open}, kNone, R::Delivered, false, "release find", ""},
        {{false, false, Open}, kVisibleWithDialog, R::Delivered, false, "release find forward", ""},
        {{false, true, New}, kVisible, R::Delivered, false, "find forward", ""},
        {{false, true, New}, kHidden, R::Delivered, false, "find wake", ""},
        {{false, true, New}, kNone, R::Delivered, true, "find", ""},
    };
    Language lang;
    for (const auto& row : rows) {
        ScriptedInstance instance;
        instance.window = row.window;
        instance.sendResult = row.sendResult;
        test::ScriptedUi ui;
        const std::string url = row.facts.command == Open ? "u" : "";
        EXPECT_EQ(SettleInstanceRole(row.facts, url, instance, ui, lang), row.starts) << row.calls;
        EXPECT_EQ(instance.calls, row.calls);
        const std::vector<std::string> shown = ui.MessagesShown();
        EXPECT_EQ(shown.empty() ? "" : shown.front(), row.message) << row.calls;
        EXPECT_LE(shown.size(), 1u);
    }
}

}  // namespace
}  // namespace lumbrel
