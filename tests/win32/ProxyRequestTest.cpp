// ApplyProxy proven by where a request goes, not by what the option reads back: a listening
// socket of this process is made the proxy server, and a WinINet request opened with the
// preconfigured access type must reach it in the proxy form, with the whole address in its
// request line ("GET http://host/path HTTP/1.1"). With the proxy switched off the same kind
// of request goes straight to its host, in the origin form ("GET /path HTTP/1.1").
//
// Seen under Wine (this machine's test runs): the direct request arrives as "GET /direct
// HTTP/1.1", but a new preconfigured session does not take the process's proxy option — the
// listening proxy receives nothing and the request goes to the (unresolvable) host. There the
// proxy half is reported as skipped after the direct half has been checked; on Windows both
// halves must hold.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "language/Language.h"
#include "proxy/ProxyServer.h"
#include "settings/Preferences.h"
#include "win32/platform/RunningSystem.h"
#include "win32/platform/Win32InternetProxy.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/WinApi.h"

#include <wininet.h>

namespace lumbrel::win32 {
namespace {

class SilentUi : public Ui {
public:
    std::vector<std::string> messages;
    MsgResult MessageBox(const std::string& text, MsgButtons, MsgIcon) override {
        messages.push_back(text);
        return MsgResult::Ok;
    }
    bool CtrlHeld() override { return false; }
    bool ShiftHeld() override { return false; }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<int> NumberBox(const NumberRequest&) override { return std::nullopt; }
    std::optional<PasswordAnswer> PasswordBox(const std::string&, const PasswordAnswer&) override {
        return std::nullopt;
    }
    std::optional<int> ChooseLanguage(const LanguageRow&, const std::vector<LanguageRow>&,
                                      int) override {
        return std::nullopt;
    }
};

class SocketOwner {
public:
    explicit SocketOwner(SOCKET s = INVALID_SOCKET) : s_(s) {}
    ~SocketOwner() {
        if (s_ != INVALID_SOCKET)
            closesocket(s_);
    }
    SocketOwner(const SocketOwner&) = delete;
    SocketOwner& operator=(const SocketOwner&) = delete;
    SOCKET Get() const { return s_; }

private:
    SOCKET s_;
};

class InternetHandle {
public:
    explicit InternetHandle(HINTERNET h = nullptr) : h_(h) {}
    ~InternetHandle() {
        if (h_)
            InternetCloseHandle(h_);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET Get() const { return h_; }

private:
    HINTERNET h_;
};

// A one-connection HTTP server on 127.0.0.1: it takes the first request, keeps its request
// line and answers "200 OK".
class OneRequestServer {
public:
    OneRequestServer() {
        WSADATA data{};
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        int size = sizeof(address);
        if (listener_ == INVALID_SOCKET ||
            bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(listener_, 4) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
        worker_ = std::thread([this] { Serve(); });
    }
    ~OneRequestServer() {
        if (listener_ != INVALID_SOCKET)
            closesocket(listener_);  // ends an accept that still waits
        if (worker_.joinable())
            worker_.join();
        if (started_)
            WSACleanup();
    }
    OneRequestServer(const OneRequestServer&) = delete;
    OneRequestServer& operator=(const OneRequestServer&) = delete;

    int Port() const { return port_; }
    // The request line received ("" when none came); waits for the worker first.
    std::string RequestLine() {
        if (worker_.joinable())
            worker_.join();
        return requestLine_;
    }

private:
    void Serve() {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener_, &readable);
        timeval wait{10, 0};
        if (select(0, &readable, nullptr, nullptr, &wait) != 1)
            return;
        SocketOwner client(accept(listener_, nullptr, nullptr));
        if (client.Get() == INVALID_SOCKET)
            return;
        std::string received;
        char buffer[1024];
        while (received.find("\r\n\r\n") == std::string::npos && received.size() < 16384) {
            const int got = recv(client.Get(), buffer, sizeof(buffer), 0);
            if (got <= 0)
                break;
            received.append(buffer, static_cast<size_t>(got));
        }
        requestLine_ = received.substr(0, received.find("\r\n"));
        const char answer[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
        send(client.Get(), answer, static_cast<int>(sizeof(answer) - 1), 0);
        shutdown(client.Get(), SD_SEND);
    }

    bool started_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::thread worker_;
    std::string requestLine_;
};

// One GET with the preconfigured access type, the way a page request of this process starts;
// true when an answer came.
bool FetchPreconfigured(const std::string& url) {
    InternetHandle session(
        InternetOpenA("Lumbrel proxy test", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.Get())
        return false;
    DWORD timeout = 10000;
    InternetSetOptionA(session.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof(timeout));
    InternetSetOptionA(session.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof(timeout));
    InternetHandle request(InternetOpenUrlA(
        session.Get(), url.c_str(), nullptr, 0,
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE, 0));
    if (!request.Get())
        return false;
    char body[16];
    DWORD read = 0;
    return InternetReadFile(request.Get(), body, sizeof(body), &read) != FALSE;
}

constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

TEST(ProxyRequestTest, ApplyProxySendsTheProcesssRequestsThroughTheProxyAndOffAgain) {
    Win32Registry registry;
    // The prefix's own settings must not name a proxy, or "off" would not mean direct.
    ASSERT_FALSE(registry.ReadString(RegRoot::CurrentUser, kInternetSettings, "ProxyServer")
                     .value_or("")
                     .size());
    Win32InternetProxy internet;
    Preferences prefs;
    SilentUi ui;
    Language language;
    ProxyServer server(prefs, registry, internet, ui, language);
    bool proxyIgnored = false;

    {
        OneRequestServer proxy;
        ASSERT_NE(proxy.Port(), 0);
        prefs.enableProxy = 1;
        prefs.useSystemProxy = 0;
        prefs.currentProxy = "127.0.0.1:" + std::to_string(proxy.Port());
        prefs.proxyByPass = "";
        ASSERT_TRUE(server.ApplyProxy());
        const bool answered = FetchPreconfigured("http://proxied.lumbrel.invalid/through");
        const std::string line = proxy.RequestLine();
        printf("on: answered=%d line=[%s] err=%lu\n", answered, line.c_str(), GetLastError());
        proxyIgnored = RunningOnWine() && line.empty();
        if (!proxyIgnored) {
            EXPECT_EQ(line, "GET http://proxied.lumbrel.invalid/through HTTP/1.1");
            EXPECT_TRUE(answered);
        }
    }
    {
        OneRequestServer origin;
        ASSERT_NE(origin.Port(), 0);
        server.ToggleEnable();
        ASSERT_EQ(prefs.enableProxy, 0);
        const bool answered =
            FetchPreconfigured("http://127.0.0.1:" + std::to_string(origin.Port()) + "/direct");
        const std::string line = origin.RequestLine();
        printf("off: answered=%d line=[%s]\n", answered, line.c_str());
        EXPECT_EQ(line, "GET /direct HTTP/1.1");
        EXPECT_TRUE(answered);
    }
    EXPECT_TRUE(ui.messages.empty());
    if (proxyIgnored)
        GTEST_SKIP() << "Wine's sessions do not take the process's proxy option";
}

}  // namespace
}  // namespace lumbrel::win32
