#include "options/OptionListPages.h"

#include "base/DbcsText.h"
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
    // Any value but 0 shows the gesture: a stored 2 the user left alone stays 2.
    const int shown = values.Int(OptionValues::KeyOf(keys::ShowGesture));
    if ((shown != 0) != (settings.showGesture != 0))
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
    // The live table changes only with the file: a failed save leaves both as they were, so
    // the next OK or Apply finds the difference and tries again.
    if (!edited.Save(host.Store(OptionFile::Settings)))
        return {.gesturesFailed = true};
    live = std::move(edited);
    return {.gestures = true};
}

MouseDragPage::MouseDragPage(const OptionValues& values)
    : CSAPrefsSubDlg(OptionPageId::MouseDrag),
      model_(DragFrom(values), values.Int(OptionValues::KeyOf(keys::SimuDragLink)) != 0),
      shown_(model_) {}

CSAPrefsSubDlg::Saved MouseDragPage::OnOK(OptionValues& values, OptionsHost&) {
    // Only what the user chose differently from what the page showed: a stored index the
    // page could not show (it showed the first action) is not rewritten by looking at it.
    for (DragKind kind : kDragKinds)
        for (DragDirection direction : kDirections)
            if (model_.Choice(kind, direction) != shown_.Choice(kind, direction))
                values.Set(OptionValues::KeyOf(DragDirectionKey(kind, direction)),
                           model_.Choice(kind, direction));
    if (model_.simuDragLink != shown_.simuDragLink)
        values.Set(OptionValues::KeyOf(keys::SimuDragLink), model_.simuDragLink ? 1 : 0);
    return {};
}

CDownProp::CDownProp(const OptionValues& values)
    : CSAPrefsSubDlg(OptionPageId::Download),
      shownManager_(
          values.Int(OptionValues::KeyOf(downManagerKeys::ManagerIndex, OptionFile::DownManager))) {
}

CSAPrefsSubDlg::Saved CDownProp::OnOK(OptionValues& values, OptionsHost& host) {
    const OptionKey index =
        OptionValues::KeyOf(downManagerKeys::ManagerIndex, OptionFile::DownManager);
    const int chosen = values.Int(index);
    // A manager without a script could take no download: none is chosen instead.
    if (chosen != shownManager_ && chosen > 0) {
        const std::string script = host.Store(OptionFile::DownManager)
                                       .GetProfileString(downManagerKeys::ManagerIndex.section,
                                                         "S" + std::to_string(chosen), "");
        if (script.empty())
            values.Set(index, 0);
    }
    shownManager_ = values.Int(index);
    // Downloads are matched against upper-case extensions.
    const OptionKey types =
        OptionValues::KeyOf(downManagerKeys::MonitorFileType, OptionFile::DownManager);
    values.Set(types, ToUpperAscii(host.Cp(), values.Text(types)));
    return {};
}

}  // namespace lumbrel
