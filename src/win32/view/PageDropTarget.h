// The page's drop target: it wraps the engine's own, reads what is dragged (text, the link's
// "FileGroupDescriptor", dropped files) bounded by the size of each memory block, asks the
// core's PageDropEvents, and hands on to the engine what the core leaves to it. The engine
// holds it as long as it likes: once the view is gone (`alive` expired) every call goes to
// the engine's target alone.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/PageDrop.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"

#include <oleidl.h>

namespace lumbrel::win32 {

// What a data object holds, read whole and bounded by each block's size.
struct DraggedData {
    std::optional<std::string> text;  // ANSI; from CF_UNICODETEXT, else CF_TEXT
    std::optional<std::string> fileGroupDescriptor;
    std::optional<std::string> droppedFile;  // the first of CF_HDROP
};

// Reads the data object; `codePage` converts the UTF-16 forms.
DraggedData ReadDraggedData(IDataObject* data, const CodePage& codePage);
// Whether the data object offers text without reading it.
bool OffersText(IDataObject* data);

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class PageDropTarget final : public IDropTarget {
public:
    // `engineTarget` may be null; `events` is reached only while `alive` has not expired;
    // `view` is the window whose client coordinates the core takes.
    static ComPtr<PageDropTarget> Create(IDropTarget* engineTarget, PageDropEvents* events,
                                         std::weak_ptr<int> alive, HWND view,
                                         const CodePage& codePage);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDropTarget
    STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    PageDropTarget(IDropTarget* engineTarget, PageDropEvents* events, std::weak_ptr<int> alive,
                   HWND view, const CodePage& codePage);
    ~PageDropTarget() = default;

    PageDropEvents* Events() const { return alive_.expired() ? nullptr : events_; }
    POINT ToView(POINTL screen) const;
    // The engine's target sees the drag from here on (it gets the enter it missed).
    HRESULT EngineOver(DWORD keyState, POINTL point, DWORD* effect);
    HRESULT EngineDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);
    // The engine's target is told the drag is over for it.
    void EngineLeave();

    ULONG references_ = 1;
    ComPtr<IDropTarget> engine_;
    PageDropEvents* events_;
    std::weak_ptr<int> alive_;
    HWND view_;
    const CodePage& codePage_;
    ComPtr<IDataObject> data_;  // of the drag under way
    DWORD allowedEffects_ = 0;  // what the source allows, as it was at the enter
    bool hasText_ = false;
    bool engineEntered_ = false;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace lumbrel::win32
