// The COM module and the namespace handler under Wine's COM: the class object as the process
// registers it, the handler's answers with and without a filter, aggregation, the server
// lock, and the server switches against the real registry.
#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "instance/ServerRegistration.h"
#include "win32/app/ComModule.h"
#include "win32/app/ServerLocks.h"
#include "win32/filter/NSHandleFactory.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32Registry.h"

namespace lumbrel::win32 {
namespace {

// Releases a COM pointer at the end of a test.
template <typename T>
class Held {
public:
    Held() = default;
    ~Held() {
        if (p)
            p->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    void** Out() { return reinterpret_cast<void**>(&p); }
    T* operator->() const { return p; }

    T* p = nullptr;
};

// Answers requests for addresses containing "/ads/" with a few bytes; notes what it saw.
class AdFilter : public RequestFilter {
public:
    std::vector<std::string> urls;
    uint32_t lastBindFlags = 0;
    bool fail = false;

    RequestDecision Decide(std::string_view url, uint32_t bindFlags) override {
        if (fail)
            throw std::runtime_error("filter fault");
        urls.emplace_back(url);
        lastBindFlags = bindFlags;
        if (url.find("/ads/") == std::string_view::npos)
            return RequestDecision::UseDefault();
        return RequestDecision::Answer("GIF89a-blank");
    }
};

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
// The engine's side of one request: its sink and its bind information.
class EngineSide : public IInternetProtocolSink, public IInternetBindInfo {
public:
    std::vector<std::string> events;
    DWORD bindFlags = 0;

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
                         ((flags & BSCF_FIRSTDATANOTIFICATION) ? " first" : "") +
                         ((flags & BSCF_LASTDATANOTIFICATION) ? " last" : ""));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReportResult(HRESULT result, DWORD, LPCWSTR) override {
        events.push_back(result == S_OK ? "result ok" : "result failed");
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override {
        *flags = bindFlags;
        const DWORD size = info->cbSize;
        ZeroMemory(info, size);
        info->cbSize = size;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBindString(ULONG, LPOLESTR*, ULONG, ULONG*) override {
        return E_NOTIMPL;
    }
};

// An aggregator: counts what the inner object delegates to it.
class Outer : public IUnknown {
public:
    int addRefs = 0;
    int releases = 0;
    int queries = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        ++queries;
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++addRefs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(++releases); }
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

class ComModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        locksBefore = ServerLocks::Count();
    }
    void TearDown() override {
        module.Revoke();
        EXPECT_EQ(ServerLocks::Count(), locksBefore) << "an object or lock was leaked";
        CoUninitialize();
    }

    // The running program's class object, as the URL filter obtains it.
    HRESULT GetFactory(Held<IClassFactory>& factory) {
        return CoGetClassObject(kLumbrelNSHandleClsid, CLSCTX_LOCAL_SERVER, nullptr,
                                IID_IClassFactory, factory.Out());
    }

    Win32CodePage codePage{1252};
    Win32Registry registry;
    ComModule module{registry, codePage, "C:\\Lumbrel Test\\lumbrel.exe"};
    long locksBefore = 0;
};

TEST_F(ComModuleTest, ClassIdMatchesTheRegistryScript) {
    wchar_t text[64];
    ASSERT_GT(StringFromGUID2(kLumbrelNSHandleClsid, text, 64), 0);
    EXPECT_EQ(std::wstring(text), std::wstring(kNSHandleClsid, kNSHandleClsid + 38));
}

TEST_F(ComModuleTest, RegisteredClassObjectHandsEveryRequestToTheDefaultHandler) {
    ASSERT_EQ(module.Start("lumbrel.exe http://example.com/"), ComModule::StartResult::Serving);
    EXPECT_TRUE(module.Active());
    {
        Held<IClassFactory> factory;
        ASSERT_EQ(GetFactory(factory), S_OK);
        Held<IInternetProtocol> protocol;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IInternetProtocol, protocol.Out()), S_OK);
        EngineSide engine;
        EXPECT_EQ(protocol->Start(L"http://example.com/a.gif", &engine, &engine, 0, 0),
                  INET_E_USE_DEFAULT_PROTOCOLHANDLER);
        EXPECT_TRUE(engine.events.empty());

        Held<IInternetProtocolInfo> info;
        ASSERT_EQ(protocol->QueryInterface(IID_IInternetProtocolInfo, info.Out()), S_OK);
        EXPECT_EQ(info->CompareUrl(L"http://a/", L"http://a/", 0), S_OK);
        EXPECT_EQ(info->CompareUrl(L"http://a/", L"HTTP://a/", 0), S_FALSE);
        EXPECT_EQ(info->ParseUrl(L"http://a/", PARSE_CANONICALIZE, 0, nullptr, 0, nullptr, 0),
                  INET_E_DEFAULT_ACTION);
        Held<IClassFactory> notThere;
        EXPECT_EQ(protocol->QueryInterface(IID_IClassFactory, notThere.Out()), E_NOINTERFACE);
        EXPECT_EQ(notThere.p, nullptr);

        EXPECT_EQ(factory->LockServer(TRUE), S_OK);
        EXPECT_EQ(ServerLocks::Count(), locksBefore + 2);  // the lock and the live handler
        EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    }
    module.Revoke();
    Held<IClassFactory> gone;
    EXPECT_NE(GetFactory(gone), S_OK);
}

TEST_F(ComModuleTest, PluggedFilterAnswersRequestsItTakes) {
    ASSERT_EQ(module.Start("lumbrel.exe"), ComModule::StartResult::Serving);
    AdFilter filter;
    module.SetRequestFilter(&filter);
    Held<IClassFactory> factory;
    ASSERT_EQ(GetFactory(factory), S_OK);
    Held<IInternetProtocol> protocol;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IInternetProtocol, protocol.Out()), S_OK);

    EngineSide engine;
    engine.bindFlags = 0x00100083;
    EXPECT_EQ(protocol->Start(L"http://example.com/page.htm", &engine, &engine, 0, 0),
              INET_E_USE_DEFAULT_PROTOCOLHANDLER);
    EXPECT_EQ(protocol->Start(L"http://example.com/ads/1.gif", &engine, &engine, 0, 0), S_OK);
    EXPECT_EQ(filter.urls, (std::vector<std::string>{"http://example.com/page.htm",
                                                     "http://example.com/ads/1.gif"}));
    EXPECT_EQ(filter.lastBindFlags, 0x00100083u);
    EXPECT_EQ(engine.events, (std::vector<std::string>{"data 12/12 first last", "result ok"}));

    // Read in pieces smaller than the answer, then nothing is left.
    char buffer[16] = {};
    ULONG read = 0;
    EXPECT_EQ(protocol->Read(buffer, 5, &read), S_OK);
    EXPECT_EQ(std::string(buffer, read), "GIF89");
    EXPECT_EQ(protocol->Read(buffer, sizeof(buffer), &read), S_FALSE);
    EXPECT_EQ(std::string(buffer, read), "a-blank");
    EXPECT_EQ(protocol->Read(buffer, sizeof(buffer), &read), S_FALSE);
    EXPECT_EQ(read, 0u);

    // A faulty filter never blocks a page; without one, nothing is asked.
    filter.fail = true;
    EXPECT_EQ(protocol->Start(L"http://example.com/ads/2.gif", &engine, &engine, 0, 0),
              INET_E_USE_DEFAULT_PROTOCOLHANDLER);
    filter.fail = false;
    module.SetRequestFilter(nullptr);
    EXPECT_EQ(protocol->Start(L"http://example.com/ads/3.gif", nullptr, nullptr, 0, 0),
              INET_E_USE_DEFAULT_PROTOCOLHANDLER);
    EXPECT_EQ(filter.urls.size(), 2u);
}

TEST_F(ComModuleTest, AggregationOnlyThroughIUnknownAndDelegatesToTheAggregator) {
    ASSERT_EQ(module.Start("lumbrel.exe"), ComModule::StartResult::Serving);
    Held<IClassFactory> factory;
    ASSERT_EQ(GetFactory(factory), S_OK);
    Outer outer;

    Held<IInternetProtocol> refused;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IInternetProtocol, refused.Out()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(refused.p, nullptr);

    Held<IUnknown> inner;
    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, inner.Out()), S_OK);
    IInternetProtocol* protocol = nullptr;
    ASSERT_EQ(inner->QueryInterface(IID_IInternetProtocol, reinterpret_cast<void**>(&protocol)),
              S_OK);
    // The interface's own IUnknown methods are the aggregator's.
    EXPECT_EQ(outer.addRefs, 1);
    IInternetProtocolInfo* info = nullptr;
    EXPECT_EQ(protocol->QueryInterface(IID_IInternetProtocolInfo, reinterpret_cast<void**>(&info)),
              E_NOINTERFACE);
    EXPECT_EQ(outer.queries, 1);
    protocol->Release();
    EXPECT_EQ(outer.releases, 1);
    EXPECT_EQ(protocol->Start(L"http://example.com/", nullptr, nullptr, 0, 0),
              INET_E_USE_DEFAULT_PROTOCOLHANDLER);
}

// Against Wine's registry: the switches write and remove the entries and end the process.
TEST_F(ComModuleTest, ServerSwitchesWriteAndRemoveTheRegistryEntries) {
    // Built by append: GCC 12 reports a false array-bounds error for "literal" + std::string
    // here when the test is compiled against the precompiled Windows headers.
    std::string clsidKey = "CLSID\\";
    clsidKey += kNSHandleClsid;
    constexpr RegRoot kClasses = RegRoot::ClassesRoot;

    EXPECT_EQ(module.Start("\"C:\\Lumbrel Test\\lumbrel.exe\" /RegServer"),
              ComModule::StartResult::Registered);
    EXPECT_FALSE(module.Active());
    EXPECT_EQ(registry.ReadString(kClasses, clsidKey + "\\LocalServer32", ""),
              "\"C:\\Lumbrel Test\\lumbrel.exe\"");
    EXPECT_EQ(registry.ReadString(kClasses, clsidKey, ""), "LumbrelNSHandle Class");
    EXPECT_EQ(registry.ReadString(kClasses, "AppID\\lumbrel.exe", "AppID"), kServerAppId);
    EXPECT_EQ(registry.ReadString(kClasses, "Lumbrel.LumbrelNSHandle\\CurVer", ""),
              "Lumbrel.LumbrelNSHandle.1");
    // COM itself now resolves the ProgID to the class.
    CLSID resolved{};
    EXPECT_EQ(CLSIDFromProgID(L"Lumbrel.LumbrelNSHandle.1", &resolved), S_OK);
    EXPECT_TRUE(IsEqualCLSID(resolved, kLumbrelNSHandleClsid));

    EXPECT_EQ(module.Start("lumbrel.exe -unregserver"), ComModule::StartResult::Unregistered);
    EXPECT_FALSE(module.Active());
    for (const std::string& key :
         {clsidKey, std::string("AppID\\lumbrel.exe"), std::string("Lumbrel.LumbrelNSHandle.1"),
          std::string("Lumbrel.LumbrelNSHandle")})
        EXPECT_FALSE(registry.KeyExists(kClasses, key)) << key;
    EXPECT_TRUE(registry.KeyExists(kClasses, "CLSID"));
    EXPECT_NE(CLSIDFromProgID(L"Lumbrel.LumbrelNSHandle.1", &resolved), S_OK);
}

}  // namespace
}  // namespace lumbrel::win32
