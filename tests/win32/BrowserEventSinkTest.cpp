// The event sink fed the way the engine calls it (arguments reversed in DISPPARAMS, most of
// them by reference): what the core receives, what it writes back, and how the sink treats
// calls it does not expect. This covers the events Wine's engine never raises.
#include "win32/view/BrowserEventSink.h"

#include <exdisp.h>
#include <exdispid.h>

#include <deque>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "win32/OleWindowTest.h"
#include "win32/RecordingBrowserEvents.h"
#include "win32/platform/ComValues.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/view/WebBrowserHost.h"

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects release themselves
#endif

namespace lumbrel::win32 {
namespace {

// A browser or frame object as events carry it. Its identity (IUnknown) is not the IDispatch
// pointer the engine hands over, as with the real control.
class FakeFrame : public IDispatch, public IOleWindow {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IOleWindow)
            *object = static_cast<IOleWindow*>(this);
        else if (iid == IID_IDispatch)
            *object = static_cast<IDispatch*>(this);
        else
            *object = nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    // Lives on the test's stack.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    IUnknown* Identity() { return static_cast<IOleWindow*>(this); }
    FrameToken Token() { return Identity(); }
};

// One event call built in declared order, passed reversed as the engine does.
class EngineCall {
public:
    EngineCall() = default;
    EngineCall(const EngineCall&) = delete;
    EngineCall& operator=(const EngineCall&) = delete;

    EngineCall& Object(IDispatch* object) {
        VARIANT v;
        V_VT(&v) = VT_DISPATCH;
        V_DISPATCH(&v) = object;
        args_.push_back(v);
        return *this;
    }
    EngineCall& Value(Variant value) {
        values_.push_back(std::move(value));
        args_.push_back(values_.back().Get());
        return *this;
    }
    EngineCall& Ref(Variant value) {
        values_.push_back(std::move(value));
        VARIANT v;
        V_VT(&v) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&v) = values_.back().Ptr();
        args_.push_back(v);
        return *this;
    }
    EngineCall& CancelOut() {
        VARIANT v;
        V_VT(&v) = VT_BYREF | VT_BOOL;
        V_BOOLREF(&v) = &cancel;
        args_.push_back(v);
        return *this;
    }
    EngineCall& DispatchOut() {
        VARIANT v;
        V_VT(&v) = VT_BYREF | VT_DISPATCH;
        V_DISPATCHREF(&v) = &dispatch;
        args_.push_back(v);
        return *this;
    }

    HRESULT On(IDispatch& sink, DISPID id) {
        std::vector<VARIANT> reversed(args_.rbegin(), args_.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        return sink.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                           nullptr, nullptr);
    }

    VARIANT_BOOL cancel = VARIANT_FALSE;
    IDispatch* dispatch = nullptr;

private:
    std::deque<Variant> values_;  // stable addresses for the references
    std::vector<VARIANT> args_;
};

// Built by the system, not by the code under test.
Variant Text(const wchar_t* text) {
    Variant value;
    V_VT(value.Ptr()) = VT_BSTR;
    V_BSTR(value.Ptr()) = SysAllocString(text);
    return value;
}

class BrowserEventSinkTest : public ::testing::Test {
protected:
    EngineCall& BeforeNavigate(IDispatch* frame, const wchar_t* url, EngineCall& call) {
        return call.Object(frame)
            .Ref(Text(url))
            .Ref(Variant::Int32(0x40))
            .Ref(Text(L"_blank"))
            .Ref(Variant::Bytes(std::string("q=\xE9\0", 4)))
            .Ref(Text(L"Referer: http://a/\r\n"))
            .CancelOut();
    }

    Win32CodePage codePage_{1252};
    test::RecordingBrowserEvents events_;
    FakeFrame top_;
    FakeFrame subframe_;
    ComPtr<BrowserEventSink> sink_ = BrowserEventSink::Create(events_, codePage_, top_.Identity());
};

TEST_F(BrowserEventSinkTest, BeforeNavigate2GivesTheCoreEveryArgument) {
    EngineCall call;
    ASSERT_EQ(BeforeNavigate(&top_, L"http://a/caf\u00e9", call).On(*sink_, DISPID_BEFORENAVIGATE2),
              S_OK);
    ASSERT_EQ(events_.before.size(), 1u);
    const BeforeNavigateArgs& args = events_.before[0];
    EXPECT_EQ(args.url, "http://a/caf\xE9");
    EXPECT_EQ(args.flags, 0x40);
    EXPECT_EQ(args.targetFrame, "_blank");
    EXPECT_EQ(args.postData, std::string("q=\xE9\0", 4));
    EXPECT_EQ(args.headers, "Referer: http://a/\r\n");
    EXPECT_EQ(args.frame, top_.Token());
    EXPECT_TRUE(args.topLevel);
    EXPECT_EQ(call.cancel, VARIANT_FALSE);
}

TEST_F(BrowserEventSinkTest, CancelDecisionsAreWrittenBack) {
    events_.cancelBefore.insert("http://ads/");
    EngineCall cancelled;
    BeforeNavigate(&top_, L"http://ads/", cancelled).On(*sink_, DISPID_BEFORENAVIGATE2);
    EXPECT_EQ(cancelled.cancel, VARIANT_TRUE);

    events_.cancelErrors = true;
    EngineCall error;
    error.Object(&top_).Ref(Text(L"http://x/")).Ref(Text(L"")).Ref(Variant::Int32(0x800C0008));
    error.CancelOut();
    ASSERT_EQ(error.On(*sink_, DISPID_NAVIGATEERROR), S_OK);
    EXPECT_EQ(error.cancel, VARIANT_TRUE);
    ASSERT_EQ(events_.errors.size(), 1u);
    EXPECT_EQ(events_.errors[0].status, static_cast<int32_t>(0x800C0008));
    EXPECT_EQ(events_.errors[0].frame, top_.Token());
}

TEST_F(BrowserEventSinkTest, FramesAreToldApartFromTheTopLevel) {
    EngineCall frameNavigation;
    BeforeNavigate(&subframe_, L"http://a/frame", frameNavigation);
    frameNavigation.On(*sink_, DISPID_BEFORENAVIGATE2);
    EngineCall frameDone;
    frameDone.Object(&subframe_).Ref(Text(L"http://a/frame")).On(*sink_, DISPID_DOCUMENTCOMPLETE);
    EngineCall topDone;
    topDone.Object(&top_).Ref(Text(L"http://a/")).On(*sink_, DISPID_DOCUMENTCOMPLETE);

    EXPECT_FALSE(events_.before[0].topLevel);
    ASSERT_EQ(events_.documentComplete.size(), 2u);
    EXPECT_EQ(events_.documentComplete[0].frame, events_.before[0].frame) << "stable per frame";
    EXPECT_FALSE(events_.documentComplete[0].topLevel);
    EXPECT_NE(events_.documentComplete[1].frame, events_.documentComplete[0].frame);
    EXPECT_TRUE(events_.documentComplete[1].topLevel);
}

TEST_F(BrowserEventSinkTest, EachOtherEventBecomesOneCoreCall) {
    struct Case {
        DISPID id;
        std::function<void(EngineCall&)> arguments;
        const char* expected;
    };
    FakeFrame* top = &top_;
    const Case cases[] = {
        {DISPID_NAVIGATECOMPLETE2, [&](EngineCall& c) { c.Object(top).Ref(Text(L"http://n/")); },
         "navigated http://n/"},
        {DISPID_TITLECHANGE, [](EngineCall& c) { c.Value(Text(L"T\u00edtulo")); },
         "title T\xEDtulo"},
        {DISPID_STATUSTEXTCHANGE, [](EngineCall& c) { c.Value(Text(L"Done")); }, "status Done"},
        {DISPID_PROGRESSCHANGE,
         [](EngineCall& c) { c.Value(Variant::Int32(50)).Value(Variant::Int32(100)); },
         "progress 50/100"},
        {DISPID_COMMANDSTATECHANGE,
         [](EngineCall& c) {
             c.Value(Variant::Int32(CSC_NAVIGATEBACK)).Value(Variant::Bool(true));
         },
         "command 2 on"},
        {DISPID_DOWNLOADBEGIN, [](EngineCall&) {}, "download begin"},
        {DISPID_DOWNLOADCOMPLETE, [](EngineCall&) {}, "download complete"},
    };
    for (const Case& c : cases) {
        events_.log.clear();
        EngineCall call;
        c.arguments(call);
        EXPECT_EQ(call.On(*sink_, c.id), S_OK) << c.expected;
        EXPECT_EQ(events_.Joined(), std::string(c.expected) + "\n");
    }
    ASSERT_EQ(events_.navigateComplete.size(), 1u);
    EXPECT_TRUE(events_.navigateComplete[0].topLevel);
}

TEST_F(BrowserEventSinkTest, UnexpectedCallsReachNobody) {
    EngineCall unknown;
    EXPECT_EQ(unknown.Value(Variant::Int32(1)).On(*sink_, DISPID_NEWWINDOW3 + 100),
              DISP_E_MEMBERNOTFOUND);
    EngineCall tooShort;
    tooShort.Object(&top_).Ref(Text(L"http://a/"));
    EXPECT_EQ(tooShort.On(*sink_, DISPID_BEFORENAVIGATE2), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(sink_->Invoke(DISPID_DOWNLOADBEGIN, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr,
                            nullptr, nullptr),
              S_OK)
        << "an event without arguments may come without DISPPARAMS";
    EXPECT_EQ(events_.Joined(), "download begin\n");
}

TEST_F(BrowserEventSinkTest, ADisconnectedSinkIgnoresEvenKnownEvents) {
    sink_->Disconnect();
    EngineCall call;
    BeforeNavigate(&top_, L"http://late/", call);
    EXPECT_EQ(call.On(*sink_, DISPID_BEFORENAVIGATE2), S_OK);
    EXPECT_TRUE(events_.log.empty());
    EXPECT_EQ(call.cancel, VARIANT_FALSE);
}

TEST_F(BrowserEventSinkTest, AFaultInTheCoreBecomesAnErrorResult) {
    events_.afterEvent = [] { throw std::runtime_error("core fault"); };
    EngineCall fault;
    EXPECT_EQ(fault.Value(Text(L"x")).On(*sink_, DISPID_TITLECHANGE), E_FAIL);
    events_.afterEvent = [] { throw std::bad_alloc(); };
    EngineCall exhausted;
    EXPECT_EQ(exhausted.Value(Text(L"x")).On(*sink_, DISPID_TITLECHANGE), E_OUTOFMEMORY);
}

// A control of another kind than the host (a fake of the port, say).
class ForeignControl : public BrowserControl {
public:
    bool Navigate2(const std::string&, int32_t, const std::string&, const std::string&,
                   const std::string&) override {
        return false;
    }
    bool GoHome() override { return false; }
    bool GoBack() override { return false; }
    bool GoForward() override { return false; }
    bool Refresh2(int) override { return false; }
    bool Stop() override { return false; }
    std::string LocationUrl() override { return {}; }
    std::string LocationName() override { return {}; }
    bool Busy() override { return false; }
    void FocusPage() override {}
    std::string SelectedText() override { return {}; }
    std::vector<std::string> SelectedLinks() override { return {}; }
    std::unique_ptr<PageDocument> Document() override { return nullptr; }
    bool HasTravelLog() override { return false; }
    bool ExecWB(int, int, std::optional<int32_t>) override { return false; }
    void SetDownloadControlFlags(int32_t) override {}
    bool CommandDocumentView(int) override { return false; }
    bool ScrollPage(int, int) override { return false; }
    ScrollMetrics Metrics() override { return {}; }
};

class NewWindowTest : public test::OleWindowTest {
protected:
    void TearDown() override {
        newHost_.Destroy();
        OleWindowTest::TearDown();
    }

    EngineCall& Request(EngineCall& call) {
        ComPtr<BrowserEventSink>& sink = sink_;
        call.DispatchOut().CancelOut();
        call.On(*sink, DISPID_NEWWINDOW2);
        return call;
    }

    Win32CodePage codePage_{1252};
    test::RecordingBrowserEvents events_;
    test::RecordingBrowserEvents newEvents_;
    WebBrowserHost newHost_{newEvents_, codePage_};
    FakeFrame top_;
    ComPtr<BrowserEventSink> sink_ = BrowserEventSink::Create(events_, codePage_, top_.Identity());
};

TEST_F(NewWindowTest, TheNewHostsControlIsHandedToTheEngine) {
    ASSERT_TRUE(newHost_.Create(window_, 200, 100));
    events_.newWindow = &newHost_;
    IDispatch* dispatch = newHost_.Dispatch();
    ULONG before = dispatch->AddRef() - 1;
    dispatch->Release();

    EngineCall call;
    Request(call);
    EXPECT_EQ(call.cancel, VARIANT_FALSE);
    ASSERT_EQ(call.dispatch, dispatch);
    EXPECT_EQ(dispatch->AddRef() - 1, before + 1) << "the engine owns one reference";
    dispatch->Release();
    dispatch->Release();
}

TEST_F(NewWindowTest, WithoutAHostTheWindowIsRefused) {
    ASSERT_TRUE(newHost_.Create(window_, 200, 100));
    ForeignControl foreign;
    struct Case {
        BrowserControl* answer;
        bool coreCancels;
        const char* what;
    };
    const Case cases[] = {
        {nullptr, false, "no control"},
        {&foreign, false, "not a hosted control"},
        {&newHost_, true, "the core cancelled"},
    };
    for (const Case& c : cases) {
        events_.newWindow = c.answer;
        events_.cancelNewWindow = c.coreCancels;
        EngineCall call;
        Request(call);
        EXPECT_EQ(call.cancel, VARIANT_TRUE) << c.what;
        EXPECT_EQ(call.dispatch, nullptr) << c.what;
    }
}

}  // namespace
}  // namespace lumbrel::win32
