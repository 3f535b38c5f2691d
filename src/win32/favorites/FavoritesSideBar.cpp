#include "win32/favorites/FavoritesSideBar.h"

#include <commctrl.h>

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "favorites/Favorites.h"
#include "win32/frame/MenuBar.h"

namespace lumbrel::win32 {
namespace {

constexpr int kTreeId = 1;
constexpr int kFolderImage = 0;
constexpr int kLinkImage = 1;

bool CtrlHeld() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace

FavoritesSideBar::~FavoritesSideBar() {
    if (HWND window = Unbind())
        DestroyWindow(window);
}

bool FavoritesSideBar::Create(HWND parent, UniqueImageList images, std::function<void()> layout) {
    if (!RegisterClassOnce(kClassName, 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    layout_ = std::move(layout);
    if (!CreateWindowExA(0, kClassName, nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                         0, 0, parent, nullptr, GetModuleHandleA(nullptr), this))
        return false;
    tree_ =
        CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, nullptr,
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_LINESATROOT |
                            TVS_SHOWSELALWAYS | TVS_TRACKSELECT,
                        0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTreeId)),
                        GetModuleHandleA(nullptr), nullptr);
    if (!tree_)
        return false;
    images_ = std::move(images);
    if (images_)
        SendMessageA(tree_, TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(images_.get()));
    return true;
}

bool FavoritesSideBar::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

void FavoritesSideBar::Show(bool show) {
    if (!hwnd_)
        return;
    if (show)
        Refresh();
    ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE);
    if (layout_)
        layout_();
}

void FavoritesSideBar::Refresh() {
    if (!tree_)
        return;
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    InsertChildren(TVI_ROOT, favorites_.Tree().Root());
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

void FavoritesSideBar::InsertChildren(HTREEITEM parent, FavoritesTree::NodeId node) {
    FavoritesTree& tree = favorites_.Tree();
    // A copy: the ids stay, whatever the tree does while items are inserted.
    const std::vector<FavoritesTree::NodeId> children = tree.Expand(node);
    for (FavoritesTree::NodeId id : children) {
        const FavoritesTree::Node* child = tree.Find(id);
        if (!child)
            continue;
        const bool folder = child->kind == FavItemKind::Folder;
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
        std::string text = child->text;
        insert.item.pszText = text.data();
        insert.item.lParam = static_cast<LPARAM>(id);
        insert.item.iImage = insert.item.iSelectedImage = folder ? kFolderImage : kLinkImage;
        // A folder shows its button before it is read; opening it finds out what it holds.
        insert.item.cChildren = folder ? 1 : 0;
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    }
}

FavoritesTree::NodeId FavoritesSideBar::NodeOf(HTREEITEM item) const {
    if (!item)
        return FavoritesTree::kNoNode;
    TVITEMA info{};
    info.mask = TVIF_PARAM | TVIF_HANDLE;
    info.hItem = item;
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info)))
        return FavoritesTree::kNoNode;
    return static_cast<FavoritesTree::NodeId>(info.lParam);
}

void FavoritesSideBar::OnItemClick(HTREEITEM item, bool ctrl) {
    const FavoritesTree::Node* node = favorites_.Tree().Find(NodeOf(item));
    if (!node)
        return;
    if (node->kind == FavItemKind::Folder)
        SendMessageA(tree_, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(item));
    else
        favorites_.Tree().Open(node->id, ctrl);
}

void FavoritesSideBar::OnDeleteKey() {
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item && favorites_.Tree().Delete(NodeOf(item)))
        SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void FavoritesSideBar::OnContextMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    TVHITTESTINFO hit{};
    hit.pt = cursor;
    ScreenToClient(tree_, &hit.pt);
    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    const FavoritesTree::Node* node = favorites_.Tree().Find(NodeOf(item));
    if (!node)
        return;
    SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    const FavoritesTree::NodeId id = node->id;
    const bool folder = node->kind == FavItemKind::Folder;
    // The menus' full layout is not built yet: no language section, so no translation by
    // position lands on the wrong item.
    const int command =
        TrackContextMenu(folder ? BuiltinFavFolderMenu() : BuiltinFavUrlMenu(), "", language_,
                         hwnd_, cursor, [](int) { return std::optional<CommandState>{}; });
    // The menu ran a message loop: the item is found again by its node.
    FavoritesTree& tree = favorites_.Tree();
    switch (command) {
        case IDM_FAVBAR_OPEN_NEW_WINDOW:
            tree.Open(id, true);
            break;
        case IDM_FAVBAR_DELETE:
            if (tree.Delete(id))
                Refresh();
            break;
        case IDM_FAVBAR_OPEN_ALL_LINKS:
            tree.OpenAll(id);
            break;
        case IDM_FAVBAR_RESET_ORDER:
            if (tree.ResetOrder(id))
                Refresh();
            break;
        default:
            break;
    }
}

LRESULT FavoritesSideBar::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != tree_)
        return 0;
    switch (header.code) {
        case TVN_ITEMEXPANDINGA: {
            const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
            if ((change.action & TVE_EXPAND) &&
                !SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CHILD,
                              reinterpret_cast<LPARAM>(change.itemNew.hItem))) {
                InsertChildren(change.itemNew.hItem, NodeOf(change.itemNew.hItem));
                if (!SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CHILD,
                                  reinterpret_cast<LPARAM>(change.itemNew.hItem))) {
                    // An empty folder loses its button.
                    TVITEMA item{};
                    item.mask = TVIF_HANDLE | TVIF_CHILDREN;
                    item.hItem = change.itemNew.hItem;
                    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
                }
            }
            return FALSE;
        }
        case NM_CLICK: {
            TVHITTESTINFO hit{};
            GetCursorPos(&hit.pt);
            ScreenToClient(tree_, &hit.pt);
            const auto item = reinterpret_cast<HTREEITEM>(
                SendMessageA(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            if (item && (hit.flags & TVHT_ONITEM)) {
                OnItemClick(item, CtrlHeld());
                return TRUE;
            }
            return 0;
        }
        case NM_RCLICK:
            OnContextMenu();
            return TRUE;
        case TVN_KEYDOWN:
            if (reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey == VK_DELETE)
                OnDeleteKey();
            return 0;
        default:
            return 0;
    }
}

LRESULT FavoritesSideBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (tree_)
                MoveWindow(tree_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace lumbrel::win32
