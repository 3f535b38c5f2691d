#include "options/OptionListPages.h"

#include "filter/UrlFilter.h"
#include "mouse/DragActions.h"
#include "options/OptionsHost.h"

namespace lumbrel {
namespace {

// Whether the page's rows differ from what it last saved; if so they become the last saved.
bool TakeIfChanged(const FilterListEditor& filter, const FilterListEditor& unFilter,
                   std::vector<std::string>& savedFilter, std::vector<std::string>& savedUnFilter) {
    if (filter.Entries() == savedFilter && unFilter.Entries() == savedUnFilter)
        return false;
    savedFilter = filter.Entries();
    savedUnFilter = unFilter.Entries();
    return true;
}

constexpr DragKind kDragKinds[] = {DragKind::Image, DragKind::Link, DragKind::Text};
constexpr DragDirection kDirections[] = {DragDirection::Up, DragDirection::Down,
                                         DragDirection::Left, DragDirection::Right};

DragSettings DragFrom(const OptionValues& values) {
    DragSettings settings;
    for (DragKind kind : kDragKinds)
        for (DragDirection direction : kDirections)
            settings.SetActionIndex(
                kind, direction,
                values.Int(OptionValues::KeyOf(DragDirectionKey(kind, direction))));
    return settings;
}

}  // namespace

CPopupDlg::CPopupDlg(const FilterLists& lists)
    : CSAPrefsSubDlg(OptionPageId::PopupFilter),
      lists_(lists),
      savedFilter_(lists.PopFilter()),
      savedUnFilter_(lists.PopUnFilter()) {}

CSAPrefsSubDlg::Saved CPopupDlg::OnOK(OptionValues&, OptionsHost& host) {
    if (!TakeIfChanged(lists_.Filter(), lists_.UnFilter(), savedFilter_, savedUnFilter_))
        return {};
    lists_.Confirm(host.Filters());
    return {.filterLists = true};
}

CUrlFilterProp::CUrlFilterProp(const CodePage& cp, const FilterLists& lists)
    : CSAPrefsSubDlg(OptionPageId::ContentFilter),
      lists_(cp, lists),
      savedFilter_(lists.UrlFilter()),
      savedUnFilter_(lists.UrlUnFilter()) {}

CSAPrefsSubDlg::Saved CUrlFilterProp::OnOK(OptionValues&, OptionsHost& host) {
    if (!TakeIfChanged(lists_.Filter(), lists_.UnFilter(), savedFilter_, savedUnFilter_))
        return {};
    lists_.Confirm(host.Filters());
    return {.filterLists = true};
}

GesturePage::GesturePage(const OptionValues& values, OptionsHost& host)
    : CSAPrefsSubDlg(OptionPageId::Gesture),
      model_(MouseFrom(values), host.Gestures(), host.CommandChoices(), host.Lang()) {}

MouseSettings GesturePage::MouseFrom(const OptionValues& values) {
    auto get = [&](const IntSetting& key) { return values.Int(OptionValues::KeyOf(key)); };
    MouseSettings settings;
    settings.showGesture = get(keys::ShowGesture);
    settings.lButtonDown = get(keys::LButtonDown);
    settings.lDbClick = get(keys::LDbClick);
    settings.mButtonDown = get(keys::MButtonDown);
    settings.rButtonDown = get(keys::RButtonDown);
    settings.leftRight = get(keys::LeftRight);
    settings.rightLeft = get(keys::RightLeft);
    return settings;
}

void GesturePage::StoreMouse(const MouseSettings& settings, OptionValues& values) {
    auto set = [&](const IntSetting& key, int value) {
        values.Set(OptionValues::KeyOf(key), value);
    };
    set(keys::ShowGesture, settings.showGesture);
    set(keys::LButtonDown, settings.lButtonDown);
    set(keys::LDbClick, settings.lDbClick);
    set(keys::MButtonDown, settings.mButtonDown);
    set(keys::RButtonDown, settings.rButtonDown);
    set(keys::LeftRight, settings.leftRight);
    set(keys::RightLeft, settings.rightLeft);
}

CSAPrefsSubDlg::Saved GesturePage::OnOK(OptionValues& values, OptionsHost& host) {
    GestureTable& live = host.Gestures();
    GestureTable edited;
    MouseSettings settings = MouseFrom(values);
    model_.Apply(edited, settings);
    StoreMouse(settings, values);

    auto same = [](const GestureTable& a, const GestureTable& b) {
        if (a.Entries().size() != b.Entries().size())
            return false;
        for (size_t i = 0; i < a.Entries().size(); ++i) {
            if (a.Entries()[i].text != b.Entries()[i].text ||
                a.Entries()[i].command != b.Entries()[i].command)
                return false;
        }
        return true;
    };
    if (same(live, edited))
        return {};
    live = std::move(edited);
    live.Save(host.Store(OptionFile::Settings));
    return {.gestures = true};
}

MouseDragPage::MouseDragPage(const OptionValues& values)
    : CSAPrefsSubDlg(OptionPageId::MouseDrag),
      model_(DragFrom(values), values.Int(OptionValues::KeyOf(keys::SimuDragLink)) != 0) {}

CSAPrefsSubDlg::Saved MouseDragPage::OnOK(OptionValues& values, OptionsHost&) {
    for (DragKind kind : kDragKinds)
        for (DragDirection direction : kDirections)
            values.Set(OptionValues::KeyOf(DragDirectionKey(kind, direction)),
                       model_.Choice(kind, direction));
    values.Set(OptionValues::KeyOf(keys::SimuDragLink), model_.simuDragLink ? 1 : 0);
    return {};
}

}  // namespace lumbrel
