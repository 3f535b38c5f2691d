#include "frame/WindowList.h"

#include <algorithm>

#include "frame/WindowListRules.h"

namespace lumbrel {

WindowList::WindowList(TabStrip& tabs, CTabBar& bar) : tabs_(tabs), bar_(bar) {}

WindowList::~WindowList() {
    DestroyAll();
}

CChildFrame& WindowList::Adopt(std::unique_ptr<CChildFrame> child) {
    CChildFrame& adopted = *child;
    children_[child->Id()] = std::move(child);
    return adopted;
}

CChildFrame* WindowList::Find(ChildId id) {
    auto it = children_.find(id);
    return it == children_.end() ? nullptr : it->second.get();
}

std::vector<CChildFrame*> WindowList::All() {
    std::vector<CChildFrame*> all;
    for (auto& [id, child] : children_)
        all.push_back(child.get());
    return all;
}

void WindowList::Destroy(ChildId id) {
    auto it = children_.find(id);
    if (it == children_.end())
        return;
    // Taken out of the list first: the window's destruction may activate another window,
    // whose handlers must not find this one any more.
    std::unique_ptr<CChildFrame> child = std::move(it->second);
    children_.erase(it);
    child->View().MarkClosing();
    child->View().AttachBrowser(nullptr);
    if (ChildWindow* window = child->Detach())
        window->Destroy();
}

void WindowList::DestroyAll() {
    while (!children_.empty())
        Destroy(children_.begin()->first);
}

int WindowList::Count() {
    return tabs_.Count();
}

int WindowList::IndexOf(ChildId id) {
    for (int i = 0, n = tabs_.Count(); i < n; ++i)
        if (tabs_.ItemChild(i) == id)
            return i;
    return -1;
}

CChildFrame* WindowList::At(int index) {
    return Find(tabs_.ItemChild(index));
}

std::vector<ChildId> WindowList::InOrder() {
    std::vector<ChildId> ids;
    for (int i = 0, n = tabs_.Count(); i < n; ++i)
        ids.push_back(tabs_.ItemChild(i));
    return ids;
}

ChildId WindowList::Selected() {
    return tabs_.ItemChild(tabs_.Selected());
}

int WindowList::SelectedIndex() {
    return tabs_.Selected();
}

void WindowList::Select(ChildId id) {
    SelectIndex(IndexOf(id));
}

void WindowList::SelectIndex(int index) {
    if (index >= 0 && index < tabs_.Count())
        tabs_.Select(index);
}

int WindowList::Insert(CChildFrame& child, int position, const std::string& title) {
    position = std::clamp(position, 0, tabs_.Count());
    tabs_.Insert(position, title.empty() ? kAboutBlank : title, child.Id());
    bar_.ShowTitle(position, title);
    changed_ = true;
    return position;
}

int WindowList::Remove(ChildId id) {
    const int index = IndexOf(id);
    if (index < 0)
        return -1;
    tabs_.Delete(index);
    changed_ = true;
    Renumber(index);
    return index;
}

void WindowList::ShowTitle(ChildId id, const std::string& title) {
    const int index = IndexOf(id);
    bar_.ShowTitle(index, title);
}

int WindowList::ShowImage(ChildId id, int image) {
    image = bar_.ImageShown(image);
    const int index = IndexOf(id);
    if (index >= 0)
        tabs_.SetImage(index, image);
    return image;
}

int WindowList::ImageOf(ChildId id) {
    return tabs_.Image(IndexOf(id));
}

void WindowList::Renumber(int from) {
    bar_.Renumber(from);
}

}  // namespace lumbrel
