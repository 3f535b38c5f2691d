// The namespace handler under Wine's urlmon with the program's own URL filter plugged in:
// registered with the internet session, it is asked about every http and https request; a
// blocked address is answered with the blank image, an allowed one goes back to the default
// handler.
#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"

#include <string>
#include <thread>
#include <vector>

#include "filter/FilterLists.h"
#include "filter/UrlRequestFilter.h"
#include "win32/app/ComModule.h"
#include "win32/filter/NSHandleFactory.h"
#include "win32/filter/Win32NamespaceSession.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32Registry.h"

namespace lumbrel::win32 {
namespace {

class QuietHost : public RequestFilterHost {
public:
    const std::string& LastNavigationUrl() override { return navigation_; }
    std::optional<double> SecondsSinceSelectedClick() override { return std::nullopt; }
    bool FilterDialog(const std::string&) override { return false; }
    void AddToCollector(const std::string&, int) override {}

private:
    std::string navigation_;
};

// The program's filter, noting the requests the handler asked it about.
class WatchedFilter : public RequestFilter {
public:
    explicit WatchedFilter(RequestFilter& filter) : filter_(filter) {}
    std::vector<std::string> urls;
    RequestDecision Decide(std::string_view url, uint32_t bindFlags) override {
        urls.emplace_back(url);
        return filter_.Decide(url, bindFlags);
    }

private:
    RequestFilter& filter_;
};

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
// The engine's side of one request, as urlmon hands it to a protocol.
class Sink : public IInternetProtocolSink, public IInternetBindInfo {
public:
    std::vector<std::string> events;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Switch(PROTOCOLDATA*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ReportProgress(ULONG, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ReportData(DWORD flags, ULONG progress, ULONG max) override {
        events.push_back("data " + std::to_string(progress) + "/" + std::to_string(max) +
                         ((flags & BSCF_FIRSTDATANOTIFICATION) ? " first" : ""));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReportResult(HRESULT result, DWORD, LPCWSTR) override {
        events.push_back(result == S_OK ? "result ok" : "result failed");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override {
        *flags = 0x40;  // a page resource's flags, not a script dialog's
        const DWORD size = info->cbSize;
        ZeroMemory(info, size);
        info->cbSize = size;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBindString(ULONG, LPOLESTR*, ULONG, ULONG*) override {
        return E_NOTIMPL;
    }
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

class FilterHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_EQ(module_.Start("lumbrel.exe"), ComModule::StartResult::Serving);
        lists_.Assign({.urlFilter = {"http://ads.example/*"}});
        module_.SetRequestFilter(&watched_);
    }
    void TearDown() override {
        session_.Unregister();
        module_.SetRequestFilter(nullptr);
        module_.Revoke();
        CoUninitialize();
    }

    Win32CodePage codePage_{1252};
    Win32Registry registry_;
    ComModule module_{registry_, codePage_, "C:\\Lumbrel Test\\lumbrel.exe"};
    QuietHost host_;
    FilterLists lists_{codePage_};
    UrlRequestFilter requests_{codePage_, lists_, host_};
    WatchedFilter watched_{requests_};
    Win32NamespaceSession session_;
};

TEST_F(FilterHandlerTest, RegisteredForHttpAndHttpsTheSessionHandsRequestsToTheHandler) {
    ASSERT_TRUE(session_.Register());
    EXPECT_TRUE(session_.IsRegistered());
    EXPECT_TRUE(session_.Register());  // once is enough

    // Blocked addresses: nothing reaches the network whatever the binding makes of the
    // answer. (Wine's synchronous binding reports INET_E_DATA_NOT_AVAILABLE for a protocol
    // that answers within Start; the answer itself is read in the next test.)
    for (const wchar_t* url : {L"http://ads.example/banner.gif", L"https://ads.example/a.js"}) {
        ComPtr<IStream> stream;
        URLOpenBlockingStreamW(nullptr, url, stream.Put(), 0, nullptr);
    }
    EXPECT_EQ(watched_.urls, (std::vector<std::string>{"http://ads.example/banner.gif",
                                                       "https://ads.example/a.js"}));
    session_.Unregister();
    EXPECT_FALSE(session_.IsRegistered());
}

TEST_F(FilterHandlerTest, StartAnswersABlockedAddressAndHandsBackAnAllowedOne) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(kLumbrelNSHandleClsid, CLSCTX_LOCAL_SERVER, nullptr,
                               IID_IClassFactory, factory.PutVoid()),
              S_OK);
    ComPtr<IInternetProtocol> protocol;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IInternetProtocol, protocol.PutVoid()), S_OK);

    Sink sink;
    EXPECT_EQ(protocol->Start(L"http://example.com/page.htm", &sink, &sink, 0, 0),
              INET_E_USE_DEFAULT_PROTOCOLHANDLER);
    EXPECT_TRUE(sink.events.empty());

    EXPECT_EQ(protocol->Start(L"http://ads.example/a.js", &sink, &sink, 0, 0), S_OK);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"data 42/42 first", "result ok"}));
    char buffer[64] = {};
    ULONG read = 0;
    EXPECT_EQ(protocol->Read(buffer, sizeof buffer, &read), S_FALSE);
    EXPECT_EQ(std::string(buffer, read), std::string(kBlankGif));
}

// The lists belong to the user-interface thread: a request the engine starts on another
// thread must not read them, and goes to the default handler whatever its address.
TEST_F(FilterHandlerTest, ARequestStartedOnAnotherThreadGoesToTheDefaultHandler) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(kLumbrelNSHandleClsid, CLSCTX_LOCAL_SERVER, nullptr,
                               IID_IClassFactory, factory.PutVoid()),
              S_OK);
    ComPtr<IInternetProtocol> protocol;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IInternetProtocol, protocol.PutVoid()), S_OK);

    Sink sink;
    HRESULT result = E_FAIL;
    std::thread worker([&] {
        result = protocol->Start(L"http://ads.example/a.js", &sink, &sink, 0, 0);
    });
    worker.join();
    EXPECT_EQ(result, INET_E_USE_DEFAULT_PROTOCOLHANDLER);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_TRUE(watched_.urls.empty());

    // The same request on the filter's own thread is answered.
    EXPECT_EQ(protocol->Start(L"http://ads.example/a.js", &sink, &sink, 0, 0), S_OK);
    EXPECT_EQ(watched_.urls, std::vector<std::string>{"http://ads.example/a.js"});
}

}  // namespace
}  // namespace lumbrel::win32
