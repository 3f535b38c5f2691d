#include "favorites/FavoritesTree.h"

#include <algorithm>

#include "favorites/Favorites.h"

namespace lumbrel {
namespace {

const std::vector<FavoritesTree::NodeId> kNoChildren;

}  // namespace

void FavoritesTree::Reset(const std::string& root) {
    nodes_.clear();
    FavMenuItem item;
    item.kind = FavItemKind::Folder;
    item.path = root;
    root_ = Add(kNoNode, item);
}

const FavoritesTree::Node* FavoritesTree::Find(NodeId id) const {
    const auto it = nodes_.find(id);
    return it == nodes_.end() ? nullptr : &it->second;
}

FavoritesTree::Node* FavoritesTree::FindMutable(NodeId id) {
    const auto it = nodes_.find(id);
    return it == nodes_.end() ? nullptr : &it->second;
}

FavoritesTree::NodeId FavoritesTree::Add(NodeId parent, const FavMenuItem& item) {
    const NodeId id = nextId_++;
    Node node;
    node.id = id;
    node.parent = parent;
    node.kind = item.kind;
    node.text = item.text;
    node.path = item.path;
    nodes_.emplace(id, std::move(node));
    if (Node* owner = FindMutable(parent))
        owner->children.push_back(id);
    return id;
}

const std::vector<FavoritesTree::NodeId>& FavoritesTree::Expand(NodeId folder) {
    Node* node = FindMutable(folder);
    if (!node || node->kind != FavItemKind::Folder)
        return kNoChildren;
    if (!node->loaded) {
        node->loaded = true;
        const std::string path = node->path;
        for (const FavMenuItem& item : favorites_.ListFolder(path))
            if (item.kind == FavItemKind::Folder || item.kind == FavItemKind::Favorite)
                Add(folder, item);
    }
    // Nodes live in a map: adding children leaves `node` standing.
    return node->children;
}

bool FavoritesTree::Open(NodeId id, bool newWindow) {
    const Node* node = Find(id);
    if (!node || node->kind != FavItemKind::Favorite)
        return false;
    // A copy: opening a window may read the tree again.
    const std::string path = node->path;
    favorites_.OpenFavorite(path, newWindow);
    return true;
}

void FavoritesTree::Forget(NodeId id) {
    Node* node = FindMutable(id);
    if (!node)
        return;
    const std::vector<NodeId> children = node->children;
    for (NodeId child : children)
        Forget(child);
    nodes_.erase(id);
}

bool FavoritesTree::Delete(NodeId id) {
    const Node* node = Find(id);
    if (!node || node->kind != FavItemKind::Favorite)
        return false;
    const NodeId parent = node->parent;
    if (!favorites_.DeleteFavorite(node->path))
        return false;
    if (Node* owner = FindMutable(parent))
        std::erase(owner->children, id);
    Forget(id);
    return true;
}

bool FavoritesTree::OpenAll(NodeId folder) {
    const Node* node = Find(folder);
    if (!node || node->kind != FavItemKind::Folder)
        return false;
    favorites_.OpenFolder(node->path);
    return true;
}

bool FavoritesTree::ResetOrder(NodeId folder) {
    Node* node = FindMutable(folder);
    if (!node || node->kind != FavItemKind::Folder)
        return false;
    favorites_.ResetOrder(node->path);
    // Nodes live in a map: forgetting the children leaves `node` standing.
    const std::vector<NodeId> children = std::move(node->children);
    node->children.clear();
    for (NodeId child : children)
        Forget(child);
    node->loaded = false;
    Expand(folder);
    return true;
}

}  // namespace lumbrel
