// The order in which a hosted control is let go, against a control that writes down every
// call it gets and every reference it loses after its site was unset.
#include "win32/view/HostedControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumbrel::win32 {
namespace {

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects release themselves
#endif

using Log = std::vector<std::string>;

// Lives on the test's stack; counts references only to show that none is left.
class RecordingControl : public IOleObject, public IOleInPlaceObject {
public:
    explicit RecordingControl(Log& log) : log_(log) {}
    ULONG references = 0;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IOleObject)
            *out = static_cast<IOleObject*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
            *out = static_cast<IOleInPlaceObject*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override {
        if (siteUnset_)
            log_.push_back("release");
        return --references;
    }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override {
        log_.push_back(site ? "set site" : "unset site");
        siteUnset_ = !site;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP Close(DWORD option) override {
        log_.push_back(option == OLECLOSE_NOSAVE ? "close without saving" : "close");
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return E_NOTIMPL; }
    STDMETHODIMP IsUpToDate() override { return E_NOTIMPL; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override {
        log_.push_back("deactivate");
        return S_OK;
    }
    STDMETHODIMP UIDeactivate() override { return E_NOTIMPL; }
    STDMETHODIMP SetObjectRects(LPCRECT, LPCRECT) override { return E_NOTIMPL; }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

private:
    Log& log_;
    bool siteUnset_ = false;
};

class RecordingConnectionPoint : public IConnectionPoint {
public:
    explicit RecordingConnectionPoint(Log& log) : log_(log) {}
    ULONG references = 0;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IConnectionPoint ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer**) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Advise(IUnknown*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD cookie) override {
        log_.push_back("unadvise " + std::to_string(cookie));
        return S_OK;
    }
    STDMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    Log& log_;
};

std::string Joined(const Log& log) {
    std::string text;
    for (const std::string& entry : log)
        text += entry + "\n";
    return text;
}

class HostedControlTest : public ::testing::Test {
protected:
    // What a container holds after it created and advised a control.
    HostedControl Hosted(DWORD cookie) {
        HostedControl hosted;
        hosted.events = ComPtr<IConnectionPoint>(&point_);
        hosted.cookie = cookie;
        hosted.object = ComPtr<IOleObject>(&control_);
        hosted.inPlace = hosted.object.As<IOleInPlaceObject>();
        hosted.identity = hosted.object.As<IUnknown>();
        hosted.dispatch = nullptr;  // the fake has no automation
        return hosted;
    }

    Log log_;
    RecordingControl control_{log_};
    RecordingConnectionPoint point_{log_};
};

TEST_F(HostedControlTest, EventsThenCloseThenSiteThenReferences) {
    HostedControl hosted = Hosted(7);
    hosted.Release();
    EXPECT_EQ(Joined(log_),
              "unadvise 7\ndeactivate\nclose without saving\nunset site\n"
              "release\nrelease\nrelease\n");
    EXPECT_EQ(control_.references, 0u) << "every reference to the control is gone";
    EXPECT_EQ(point_.references, 0u);
    EXPECT_FALSE(hosted.object || hosted.inPlace || hosted.identity || hosted.events);
    EXPECT_EQ(hosted.cookie, 0u);

    log_.clear();
    hosted.Release();
    EXPECT_EQ(Joined(log_), "") << "a second release finds nothing to do";
}

// Creation stopped before the events were connected (or before the in-place object was
// asked for): the rest is still closed and unset before it is released.
TEST_F(HostedControlTest, AHalfMadeControlGoesTheSameWay) {
    HostedControl hosted = Hosted(0);
    hosted.inPlace.Reset();
    hosted.Release();
    EXPECT_EQ(Joined(log_), "close without saving\nunset site\nrelease\nrelease\n");
    EXPECT_EQ(control_.references, 0u);
    EXPECT_EQ(point_.references, 0u) << "the connection point is released unused";
}

}  // namespace
}  // namespace lumbrel::win32
