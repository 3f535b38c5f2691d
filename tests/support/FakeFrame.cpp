#include "support/FakeFrame.h"

#include <algorithm>

namespace lumbrel::test {

void FakeChildWindow::Destroy() {
    frame_.Forget(id_);  // deletes this
}

FakeChildWindow* FakeFrameWindow::ChildWindowOf(ChildId id) {
    auto it = children_.find(id);
    return it == children_.end() ? nullptr : it->second.get();
}

std::vector<ChildId> FakeFrameWindow::Children() const {
    std::vector<ChildId> ids;
    for (const auto& [id, child] : children_)
        ids.push_back(id);
    return ids;
}

ChildWindow* FakeFrameWindow::CreateChild(ChildId id, const ChildCreateOptions& options,
                                          ChildWindowEvents& events, BrowserEvents& browserEvents,
                                          MessageTarget& target) {
    if (failCreate)
        return nullptr;
    ++created;
    createdWith[id] = options;
    auto child =
        std::make_unique<FakeChildWindow>(*this, id, options.maximized, events, browserEvents);
    FakeChildWindow* raw = child.get();
    children_[id] = std::move(child);
    loop_.Register(id, &target);
    return raw;
}

void FakeFrameWindow::MdiActivate(ChildId id) {
    if (id == active_ || !children_.count(id))
        return;
    const ChildId previous = active_;
    active_ = id;
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), id),
                           activationOrder_.end());
    activationOrder_.push_back(id);
    if (FakeChildWindow* old = ChildWindowOf(previous))
        old->events.OnMdiActivate(false);
    if (FakeChildWindow* now = ChildWindowOf(id))
        now->events.OnMdiActivate(true);
}

void FakeFrameWindow::MdiActivateNext() {
    if (children_.empty())
        return;
    auto it = children_.upper_bound(active_);
    MdiActivate(it == children_.end() ? children_.begin()->first : it->first);
}

ShowState FakeFrameWindow::CurrentShowState() {
    if (minimized)
        return ShowState::Minimized;
    return maximized ? ShowState::Maximized : ShowState::Normal;
}

void FakeFrameWindow::Forget(ChildId id) {
    ++destroyedChildren;
    loop_.Unregister(id);
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), id),
                           activationOrder_.end());
    children_.erase(id);
    if (active_ == id) {
        active_ = kNoChild;
        if (!activationOrder_.empty())
            MdiActivate(activationOrder_.back());
    }
}

std::string FakeTabStrip::State() const {
    std::string state;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i)
            state += ' ';
        state += std::to_string(i);
        if (static_cast<int>(i) == selected)
            state += '*';
        if (items[i].image >= 0)
            state += ":" + std::to_string(items[i].image);
    }
    return state;
}

void FakeTabStrip::Insert(int index, const std::string& text, ChildId child) {
    index = std::clamp(index, 0, Count());
    items.insert(items.begin() + index, Item{text, -1, child, {}});
    if (selected >= index)
        ++selected;
}

void FakeTabStrip::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    items.erase(items.begin() + index);
    if (selected == index)
        selected = -1;
    else if (selected > index)
        --selected;
}

ChildId FakeTabStrip::ItemChild(int index) {
    return index >= 0 && index < Count() ? items[static_cast<size_t>(index)].child : kNoChild;
}

void FakeTabStrip::Select(int index) {
    if (index >= 0 && index < Count())
        selected = index;
}

void FakeTabStrip::SetText(int index, const std::string& text) {
    if (index >= 0 && index < Count())
        items[static_cast<size_t>(index)].text = text;
}

std::string FakeTabStrip::Text(int index) {
    return index >= 0 && index < Count() ? items[static_cast<size_t>(index)].text : std::string();
}

void FakeTabStrip::SetImage(int index, int image) {
    if (index >= 0 && index < Count())
        items[static_cast<size_t>(index)].image = image;
}

int FakeTabStrip::Image(int index) {
    return index >= 0 && index < Count() ? items[static_cast<size_t>(index)].image : -1;
}

void FakeTabStrip::SetTip(int index, const std::string& tip) {
    if (index >= 0 && index < Count())
        items[static_cast<size_t>(index)].tip = tip;
}

int FakeTabStrip::PerRow() const {
    const int w = itemWidth > 0 ? itemWidth : kUnsizedWidth;
    return multiLine ? std::max(1, width / w) : static_cast<int>(items.size()) + 1;
}

int FakeTabStrip::RowCount() {
    if (items.empty())
        return 0;
    const int perRow = PerRow();
    return (Count() + perRow - 1) / perRow;
}

TabRect FakeTabStrip::ItemRect(int index) {
    if (index < 0 || index >= Count())
        return TabRect{};
    const int w = itemWidth > 0 ? itemWidth : kUnsizedWidth;
    const int row = index / PerRow();
    const int column = index % PerRow();
    return TabRect{column * w, row * itemHeight, (column + 1) * w, (row + 1) * itemHeight};
}

int FakeTabStrip::HitTest(TabPoint point) {
    for (int i = 0; i < Count(); ++i)
        if (ItemRect(i).Contains(point))
            return i;
    return -1;
}

TabPoint FakeTabStrip::PointIn(int index, int dx) {
    const TabRect rect = ItemRect(index);
    return TabPoint{rect.left + dx, rect.top + (rect.bottom - rect.top) / 2};
}

std::vector<std::string> FakeTabStrip::Texts() const {
    std::vector<std::string> texts;
    for (const Item& item : items)
        texts.push_back(item.text);
    return texts;
}

}  // namespace lumbrel::test

namespace lumbrel::test {

// As the dialog does: its message loop runs while it is up, then the user acts; closing the
// dialog by any other way than its buttons is Cancel.
void FakeFrameWindow::RunPageManager(PageManager& manager) {
    pageManagersShown.push_back(manager.Tab());
    loop_.Pump();
    if (pageManagerScript)
        pageManagerScript(manager);
    if (!manager.Ended())
        manager.Cancel();
}

}  // namespace lumbrel::test
