// The program's URL filter at start and exit, with the real COM module and internet session:
// the deferred start registers the namespace handler when a filter is on, the switch
// commands sent to the main window unregister and register it, and the exit lets it go.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "win32/OleWindowTest.h"
#include "win32/RunningMainWindow.h"
#include "win32/app/ComModule.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32Registry.h"

namespace lumbrel::test {
namespace {

class FilterStartTest : public OleWindowTest {
protected:
    void SetUp() override {
        OleWindowTest::SetUp();
        ASSERT_EQ(module_.Start("lumbrel.exe"), win32::ComModule::StartResult::Serving);
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nUseLngFile=0\r\nConfirmExit=0\r\n"
                                  "MenuLoadLastClose=0\r\nStartupMode=6\r\n"
                                  "UseUrlFilter=1\r\nUseDialogFilter=0\r\n"));
        ASSERT_TRUE(
            folder_.Write("User\\Filter.ini", "[UrlFilter]\r\nurl1=http://ads.example/*\r\n"));
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
        module_.SetRequestFilter(&program_->Frame().Filters().Url().Requests());
    }
    void TearDown() override {
        module_.SetRequestFilter(nullptr);
        program_.reset();
        module_.Revoke();
        OleWindowTest::TearDown();
    }
    void Command(int id) {
        SendMessageA(program_->Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    bool Registered() const { return program_->FilterSession().IsRegistered(); }

    win32::Win32CodePage codePage_{1252};
    win32::Win32Registry registry_;
    win32::ComModule module_{registry_, codePage_, "C:\\Lumbrel Test\\lumbrel.exe"};
    ProgramFolder folder_{"filter-start"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(FilterStartTest, TheDeferredStartRegistersTheHandlerAndTheSwitchesFollow) {
    EXPECT_FALSE(Registered()) << "nothing before the deferred start";
    program_->Frame().DeferredInit();
    ASSERT_TRUE(Registered());
    EXPECT_FALSE(program_->Frame()
                     .Filters()
                     .Url()
                     .Requests()
                     .Decide("http://ads.example/a.gif", 0)
                     .useDefault);

    Command(IDM_FILTER_AD_CONTENT);
    EXPECT_FALSE(Registered()) << "both filters off";
    Command(IDM_FILTER_AD_CONTENT);
    EXPECT_TRUE(Registered());
    Command(IDM_ENABLE_FILTER);
    EXPECT_FALSE(Registered());
    Command(IDM_ENABLE_FILTER);
    EXPECT_TRUE(Registered());

    ASSERT_TRUE(program_->Frame().OnCloseRequest(false));
    EXPECT_FALSE(Registered()) << "the exit unregisters it";
}

}  // namespace
}  // namespace lumbrel::test
