#include "win32/view/PageDropTarget.h"

#include <cstring>
#include <string_view>

#include "mouse/DropData.h"
#include "win32/platform/ComGuard.h"

#include <shlobj.h>

namespace lumbrel::win32 {
namespace {

// A medium got from a data object, released with it.
class StorageMedium {
public:
    StorageMedium() = default;
    ~StorageMedium() {
        if (held_)
            ReleaseStgMedium(&medium_);
    }
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;

    // The format as a memory block; false when the object does not give it so.
    bool Get(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        held_ = SUCCEEDED(data->GetData(&wanted, &medium_));
        return held_ && medium_.tymed == TYMED_HGLOBAL && medium_.hGlobal != nullptr;
    }
    HGLOBAL Global() const { return medium_.hGlobal; }

private:
    STGMEDIUM medium_{};
    bool held_ = false;
};

// A memory block locked for the guard's life.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL global)
        : global_(global), bytes_(static_cast<const char*>(GlobalLock(global))) {}
    ~GlobalLockGuard() {
        if (bytes_)
            GlobalUnlock(global_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    // The whole block; empty when it could not be locked.
    std::string_view Block() const {
        return bytes_ ? std::string_view(bytes_, GlobalSize(global_)) : std::string_view();
    }

private:
    HGLOBAL global_;
    const char* bytes_;
};

// The bytes of a format, copied whole; nothing when the object does not have it.
std::optional<std::string> ReadBlock(IDataObject* data, CLIPFORMAT format) {
    StorageMedium medium;
    if (!medium.Get(data, format))
        return std::nullopt;
    GlobalLockGuard lock(medium.Global());
    return std::string(lock.Block());
}

std::string WideBlockToAnsi(std::string_view block, const CodePage& codePage) {
    std::u16string wide;
    for (size_t i = 0; i + 1 < block.size(); i += 2) {
        char16_t unit = 0;
        std::memcpy(&unit, block.data() + i, sizeof unit);
        if (unit == 0)
            break;
        wide.push_back(unit);
    }
    return codePage.Utf16ToAnsi(wide);
}

CLIPFORMAT FileGroupDescriptorFormat() {
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatA(CFSTR_FILEDESCRIPTORA));
}

bool Offers(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data->QueryGetData(&wanted) == S_OK;
}

bool ButtonDown(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

DraggedData ReadDraggedData(IDataObject* data, const CodePage& codePage) {
    DraggedData read;
    if (!data)
        return read;
    if (std::optional<std::string> wide = ReadBlock(data, CF_UNICODETEXT))
        read.text = WideBlockToAnsi(*wide, codePage);
    else if (std::optional<std::string> ansi = ReadBlock(data, CF_TEXT))
        read.text = DropText(*ansi);
    read.fileGroupDescriptor = ReadBlock(data, FileGroupDescriptorFormat());
    if (std::optional<std::string> files = ReadBlock(data, CF_HDROP))
        read.droppedFile = FirstDroppedFile(*files, codePage);
    return read;
}

bool OffersText(IDataObject* data) {
    return data && (Offers(data, CF_UNICODETEXT) || Offers(data, CF_TEXT));
}

ComPtr<PageDropTarget> PageDropTarget::Create(IDropTarget* engineTarget, PageDropEvents* events,
                                              std::weak_ptr<int> alive, HWND view,
                                              const CodePage& codePage) {
    return ComPtr<PageDropTarget>::Adopt(
        new PageDropTarget(engineTarget, events, std::move(alive), view, codePage));
}

PageDropTarget::PageDropTarget(IDropTarget* engineTarget, PageDropEvents* events,
                               std::weak_ptr<int> alive, HWND view, const CodePage& codePage)
    : engine_(engineTarget),
      events_(events),
      alive_(std::move(alive)),
      view_(view),
      codePage_(codePage) {}

STDMETHODIMP PageDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) PageDropTarget::AddRef() {
    return ++references_;
}

STDMETHODIMP_(ULONG) PageDropTarget::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

POINT PageDropTarget::ToView(POINTL screen) const {
    POINT point{screen.x, screen.y};
    ScreenToClient(view_, &point);
    return point;
}

HRESULT PageDropTarget::EngineOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!engine_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    if (!engineEntered_) {
        engineEntered_ = true;
        return engine_->DragEnter(data_.Get(), keyState, point, effect);
    }
    return engine_->DragOver(keyState, point, effect);
}

HRESULT PageDropTarget::EngineDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!engine_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    if (!engineEntered_) {
        const DWORD allowed = *effect;
        engine_->DragEnter(data, keyState, point, effect);
        *effect = allowed;
    }
    engineEntered_ = false;
    return engine_->Drop(data, keyState, point, effect);
}

void PageDropTarget::EngineLeave() {
    if (engine_ && engineEntered_)
        engine_->DragLeave();
    engineEntered_ = false;
}

STDMETHODIMP PageDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                       DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    return ComGuard([&] {
        data_ = ComPtr<IDataObject>(data);
        engineEntered_ = false;
        hasText_ = OffersText(data);
        PageDropEvents* events = Events();
        if (!events)
            return EngineOver(keyState, point, effect);
        const POINT at = ToView(point);
        const DropVerdict verdict = events->OnDragEnter(
            DragState{static_cast<uint16_t>(keyState), *effect, at.x, at.y, hasText_});
        if (verdict.pageHandles)
            return EngineOver(keyState, point, effect);
        *effect = verdict.effect;
        return S_OK;
    });
}

STDMETHODIMP PageDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    return ComGuard([&] {
        PageDropEvents* events = Events();
        if (!events)
            return EngineOver(keyState, point, effect);
        const POINT at = ToView(point);
        const DropVerdict verdict = events->OnDragOver(
            DragState{static_cast<uint16_t>(keyState), *effect, at.x, at.y, hasText_});
        if (verdict.pageHandles)
            return EngineOver(keyState, point, effect);
        // The engine showed its own feedback until now: it is told the drag went elsewhere.
        EngineLeave();
        *effect = verdict.effect;
        return S_OK;
    });
}

STDMETHODIMP PageDropTarget::DragLeave() {
    return ComGuard([&] {
        EngineLeave();
        data_ = nullptr;
        if (PageDropEvents* events = Events()) {
            POINT cursor{};
            GetCursorPos(&cursor);
            HWND under = WindowFromPoint(cursor);
            const POINT at = ToView(POINTL{cursor.x, cursor.y});
            const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
            events->OnDragLeave(DragLeaveState{at.x, at.y,
                                               under && (under == view_ || IsChild(view_, under)),
                                               ButtonDown(swapped ? VK_LBUTTON : VK_RBUTTON)});
        }
        return S_OK;
    });
}

STDMETHODIMP PageDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    return ComGuard([&] {
        // Whatever happens below, this drag is over: the next one starts with its own enter.
        ComPtr<IDataObject> dropped(data);
        data_ = nullptr;
        PageDropEvents* events = Events();
        if (!events || !data)
            return EngineDrop(data, keyState, point, effect);
        const DraggedData read = ReadDraggedData(data, codePage_);
        DropInput input;
        if (read.text)
            input.text = *read.text;
        if (read.fileGroupDescriptor)
            input.fileGroupDescriptor = *read.fileGroupDescriptor;
        input.droppedFile = read.droppedFile;
        input.allowedEffects = *effect;
        const POINT at = ToView(point);
        input.x = at.x;
        input.y = at.y;
        input.keyState = static_cast<uint16_t>(keyState);
        // The action may run a menu or a box, and the view may close meanwhile: nothing of the
        // view is touched after it, and this object stays alive through `self`.
        ComPtr<PageDropTarget> self(this);
        const DropVerdict verdict = events->OnDrop(input);
        if (verdict.pageHandles)
            return EngineDrop(data, keyState, point, effect);
        EngineLeave();
        *effect = verdict.effect;
        return S_OK;
    });
}

}  // namespace lumbrel::win32
