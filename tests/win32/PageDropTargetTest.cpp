// The page's drop target called as the system calls it, with data objects holding memory
// blocks of exact sizes: what the core reads from them, the effects answered, the commands the
// drops reach, and what is handed on to the engine's own target.
#include "win32/view/PageDropTarget.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <map>
#include <string>

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "language/Language.h"
#include "mouse/FakeDragHost.h"
#include "mouse/FakeMouseHost.h"
#include "mouse/PageDropRules.h"
#include "support/ManualClock.h"
#include "win32/platform/Win32CodePage.h"

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects release themselves
#endif

namespace lumbrel::win32 {
namespace {

// Formats as memory blocks of exactly the bytes given: no terminator is added.
class BlockDataObject : public IDataObject {
public:
    std::map<CLIPFORMAT, std::string> blocks;
    int mediaGiven = 0;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
        const auto block = blocks.find(format->cfFormat);
        if (block == blocks.end() || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, block->second.size());
        if (!global)
            return E_OUTOFMEMORY;
        if (!block->second.empty()) {
            std::memcpy(GlobalLock(global), block->second.data(), block->second.size());
            GlobalUnlock(global);
        }
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = global;
        medium->pUnkForRelease = nullptr;  // the receiver frees the block
        ++mediaGiven;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override {
        return blocks.count(format->cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

    ULONG references = 1;
};

// The engine's own target: records the calls it gets and answers copy.
class EngineTarget : public IDropTarget {
public:
    std::string log;
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IDropTarget ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        log += "enter ";
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD* effect) override {
        log += "over ";
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragLeave() override {
        log += "leave ";
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        log += "drop ";
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    ULONG references = 1;
};

std::string Descriptor(uint32_t count, const std::string& name, size_t size) {
    std::string block(size, '\0');
    std::memcpy(block.data(), &count, std::min<size_t>(4, size));
    const size_t at = 4 + kFileDescriptorNameOffset;
    for (size_t i = 0; i < name.size() && at + i < size; ++i)
        block[at + i] = name[i];
    return block;
}

std::string DroppedFiles(const std::wstring& name) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    block.append(reinterpret_cast<const char*>(name.c_str()), name.size() * sizeof(wchar_t));
    block.append(2 * sizeof(wchar_t), '\0');  // the name's end and the list's end
    return block;
}

class PageDropTargetTest : public ::testing::Test {
protected:
    PageDropTargetTest() {
        view = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        mouseSettings.showGesture = 0;
        target = PageDropTarget::Create(&engine, &drop, alive, view, codePage);
    }
    ~PageDropTargetTest() override {
        target = nullptr;
        DestroyWindow(view);
    }

    // A point of the view on the screen, as the system passes it.
    POINTL At(int x, int y) {
        POINT point{x, y};
        ClientToScreen(view, &point);
        return POINTL{point.x, point.y};
    }

    // A left press at (10, 10), then the drag to (x, y) and the drop there.
    DWORD DragAndDrop(int x, int y, DWORD allowed) {
        gestures.OnButtonPress(MouseButton::Left, {10, 10});
        DWORD effect = allowed;
        EXPECT_EQ(target->DragEnter(&data, MK_LBUTTON, At(10, 10), &effect), S_OK);
        effect = allowed;
        EXPECT_EQ(target->DragOver(MK_LBUTTON, At(x, y), &effect), S_OK);
        effect = allowed;
        EXPECT_EQ(target->Drop(&data, 0, At(x, y), &effect), S_OK);
        return effect;
    }

    CLIPFORMAT DescriptorFormat() {
        return static_cast<CLIPFORMAT>(RegisterClipboardFormatA(CFSTR_FILEDESCRIPTORA));
    }

    HWND view = nullptr;
    BlockDataObject data;
    EngineTarget engine;
    Win32CodePage codePage{1252};
    MouseSettings mouseSettings;
    DragSettings dragSettings;
    GestureTable table;
    Language language;
    test::ManualClock clock;
    MouseShared shared;
    ClickRecord clicks;
    test::FakeMouseHost mouseHost;
    test::FakeDragHost host;
    DragItem item;
    MouseGestures gestures{
        {mouseSettings, table, BuiltinMainMenu(), language, clock, shared}, mouseHost, clicks};
    DragCommands commands{host, codePage};
    PageDropRules drop{mouseSettings, dragSettings, clock, gestures, commands, host, item};
    std::shared_ptr<int> alive = std::make_shared<int>(0);
    ComPtr<PageDropTarget> target;
};

TEST_F(PageDropTargetTest, ALinkIsReadBoundedAndOpenedWithTheLinkEffect) {
    data.blocks[CF_TEXT] = "http://a.example/";  // no terminator in the block
    data.blocks[DescriptorFormat()] = Descriptor(1, "A page.url", 4 + 332);
    EXPECT_EQ(DragAndDrop(80, 10, DROPEFFECT_LINK), static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(host.log, "link(http://a.example/,1) ");
    EXPECT_EQ(item.DragItemKind, DragKind::Link);
    EXPECT_EQ(item.DragItemText, "A page");
    EXPECT_EQ(engine.log, "") << "the engine never hears of a drag the program takes";
    EXPECT_EQ(data.mediaGiven, 2) << "text and descriptor read, nothing else offered";
}

TEST_F(PageDropTargetTest, AShortOrEmptyDescriptorGivesNoTitle) {
    for (const std::string& descriptor :
         {Descriptor(1, "Cut.url", 4 + 100), Descriptor(0, "None.url", 4 + 332), std::string()}) {
        host.log.clear();
        item = DragItem{};
        data.blocks[CF_TEXT] = std::string("http://b.example/\0junk", 22);
        data.blocks[DescriptorFormat()] = descriptor;
        DragAndDrop(80, 10, DROPEFFECT_LINK);
        EXPECT_EQ(host.log, "link(http://b.example/,1) ");
        EXPECT_EQ(item.DragItemText, "");
    }
}

TEST_F(PageDropTargetTest, UnicodeTextIsTakenBeforeAnsiText) {
    const std::wstring wide = L"caf\u00e9";
    data.blocks[CF_UNICODETEXT] =
        std::string(reinterpret_cast<const char*>(wide.c_str()), wide.size() * sizeof(wchar_t));
    data.blocks[CF_TEXT] = "ansi";
    dragSettings.SetActionIndex(DragKind::Text, DragDirection::Right, 12);  // Copy Text
    EXPECT_EQ(DragAndDrop(80, 10, DROPEFFECT_COPY | DROPEFFECT_MOVE),
              static_cast<DWORD>(DROPEFFECT_COPY))
        << "never a move: the page keeps its text";
    EXPECT_EQ(host.log, "copy(caf\xe9) ");
}

TEST_F(PageDropTargetTest, ADroppedImageFileGoesToTheCollectorOrToThePage) {
    data.blocks[CF_HDROP] = DroppedFiles(L"C:\\Cache\\pic.gif");
    host.images[{10, 10}] = "http://i.example/pic.gif";
    DragAndDrop(80, 10, DROPEFFECT_COPY);  // right: the collector by default
    EXPECT_EQ(host.log, "collectdrop(1,http://i.example/pic.gif,C:\\Cache\\pic.gif) ");

    host.log.clear();
    dragSettings.SetActionIndex(DragKind::Image, DragDirection::Right, 2);  // Open
    EXPECT_EQ(DragAndDrop(80, 10, DROPEFFECT_COPY), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(host.log, "");
    EXPECT_EQ(engine.log, "enter drop ") << "the page's own drop, entered first";
}

TEST_F(PageDropTargetTest, DragsFromOtherProgramsAreTheEngines) {
    data.blocks[CF_TEXT] = std::string("words\0", 6);
    EXPECT_EQ(DragAndDrop(80, 10, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK),
              static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(engine.log, "enter over drop ");
    EXPECT_EQ(host.log, "");
}

TEST_F(PageDropTargetTest, ARightDragLeavingThePageRunsNoGesture) {
    table.Add("D", IDM_CLOSE);
    gestures.OnButtonPress(MouseButton::Right, {10, 10});
    data.blocks[CF_TEXT] = "http://c.example/";
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target->DragEnter(&data, MK_RBUTTON, At(10, 10), &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "text: no effect";
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target->DragOver(MK_RBUTTON, At(10, 60), &effect);
    // The cursor is wherever the test machine has it, and the button is up: only a cursor
    // over the view would make this a release.
    POINT cursor{};
    GetCursorPos(&cursor);
    const bool overView = WindowFromPoint(cursor) == view;
    EXPECT_EQ(target->DragLeave(), S_OK);
    const std::string closed = "cmd" + std::to_string(IDM_CLOSE);
    EXPECT_EQ(mouseHost.log.find(closed) != std::string::npos, overView);
    EXPECT_FALSE(gestures.RightCaptured());
    EXPECT_EQ(engine.log, "");
}

TEST_F(PageDropTargetTest, OnceTheViewIsGoneEverythingGoesToTheEngine) {
    alive.reset();
    data.blocks[CF_TEXT] = "http://d.example/";
    EXPECT_EQ(DragAndDrop(80, 10, DROPEFFECT_LINK), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(engine.log, "enter over drop ");
    EXPECT_EQ(host.log, "");
    EXPECT_EQ(data.mediaGiven, 0) << "nothing read for a view that is gone";
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->DragEnter(&data, 0, At(0, 0), nullptr), E_INVALIDARG);
    EXPECT_EQ(target->DragOver(0, At(0, 0), &effect), S_OK);
}

TEST_F(PageDropTargetTest, ReferencesAreBalanced) {
    data.blocks[CF_TEXT] = "http://e.example/";
    DragAndDrop(80, 10, DROPEFFECT_LINK);
    EXPECT_EQ(data.references, 1u) << "the data object is let go after the drop";
    const ULONG engineReferences = engine.references;
    target = nullptr;
    EXPECT_EQ(engine.references, engineReferences - 1) << "the engine's target is released";
    IDropTarget* raw = PageDropTarget::Create(nullptr, &drop, alive, view, codePage).CopyOut();
    IUnknown* unknown = nullptr;
    ASSERT_EQ(raw->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(raw->Release(), 0u);
}

}  // namespace
}  // namespace lumbrel::win32
