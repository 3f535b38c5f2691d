// The favorites side bar's tree as data: the root's folders and favorites, each folder read
// from disk only when it is first opened, in the menus' order. Every node has an id that
// stays its own until the tree is read again, so the side bar refers to nodes by id and a
// node gone in the meantime is simply not found. Owned by Favorites, which reads it again
// when the favorites change; the Windows side bar shows it and forwards clicks, keys and
// context commands here.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "favorites/FavoritesMenu.h"

namespace lumbrel {

class Favorites;

class FavoritesTree {
public:
    using NodeId = int;
    static constexpr NodeId kNoNode = -1;

    struct Node {
        NodeId id = kNoNode;
        NodeId parent = kNoNode;
        FavItemKind kind = FavItemKind::Folder;  // Folder or Favorite
        std::string text;                        // the name shown
        std::string path;     // a favorite's own file, extension and all; a folder's with "\"
        bool loaded = false;  // a folder whose children were read
        std::vector<NodeId> children;
    };

    explicit FavoritesTree(Favorites& favorites) : favorites_(favorites) {}

    // --- Basic ---
    // Forgets every node and starts again from `root` (its children unread). The old ids
    // name nothing from then on.
    void Reset(const std::string& root);
    NodeId Root() const { return root_; }
    // The node of `id`; null when there is none (any more).
    const Node* Find(NodeId id) const;
    // A folder's children, read from disk the first time; empty for anything else.
    const std::vector<NodeId>& Expand(NodeId folder);

    // --- Commands ---
    // A click on a favorite: opens it, in a new window when `newWindow` (Ctrl held) or
    // when the user's setting says so. A folder opens in the tree, not here: false.
    bool Open(NodeId id, bool newWindow);
    // "Delete": removes the favorite's own file and the node. False when nothing was
    // removed (no such favorite, or the file could not be deleted).
    bool Delete(NodeId id);
    // "Open All Links": the folder's favorites through the open queue.
    bool OpenAll(NodeId folder);
    // "Reset Order": the folder's stored order goes and its children are read again, in
    // name order.
    bool ResetOrder(NodeId folder);

private:
    Node* FindMutable(NodeId id);
    void Forget(NodeId id);
    NodeId Add(NodeId parent, const FavMenuItem& item);

    Favorites& favorites_;
    std::map<NodeId, Node> nodes_;
    NodeId root_ = kNoNode;
    NodeId nextId_ = 1;
};

}  // namespace lumbrel
