#include "settings/Preferences.h"

namespace lumbrel {
namespace {

using S = LoadStage;

struct IntField {
    LoadStage stage;
    const IntSetting* key;
    int Preferences::*field;
};

struct TextField {
    LoadStage stage;
    const TextSetting* key;
    std::string Preferences::*field;
};

constexpr IntField kIntFields[] = {
    {S::FrameCreation, &keys::SmallToolbar, &Preferences::smallToolbar},
    {S::FrameCreation, &keys::LockToolbar, &Preferences::lockToolbar},
    {S::FrameCreation, &keys::TextLabel, &Preferences::textLabel},
    {S::FrameCreation, &keys::ColorIcon, &Preferences::colorIcon},
    {S::FrameCreation, &keys::MultiLineTab, &Preferences::multiLineTab},
    {S::FrameCreation, &keys::AutoTab, &Preferences::autoTab},
    {S::FrameCreation, &keys::DisableBackground, &Preferences::disableBackground},

    {S::LoadSettings, &keys::KillPop, &Preferences::killPop},
    {S::LoadSettings, &keys::KillAutoWin, &Preferences::killAutoWin},
    {S::LoadSettings, &keys::KillDupWin, &Preferences::killDupWin},
    {S::LoadSettings, &keys::KillListWin, &Preferences::killListWin},
    {S::LoadSettings, &keys::UseUrlFilter, &Preferences::useUrlFilter},
    {S::LoadSettings, &keys::UseDialogFilter, &Preferences::useDialogFilter},
    {S::LoadSettings, &keys::UseFlyingFilter, &Preferences::useFlyingFilter},
    {S::LoadSettings, &keys::EnableFilter, &Preferences::enableFilter},
    {S::LoadSettings, &keys::PopupBound, &Preferences::popupBound},
    {S::LoadSettings, &keys::KillBlank, &Preferences::killBlank},
    {S::LoadSettings, &keys::MainTop, &Preferences::top},
    {S::LoadSettings, &keys::MainLeft, &Preferences::left},
    {S::LoadSettings, &keys::MainWidth, &Preferences::width},
    {S::LoadSettings, &keys::MainHeight, &Preferences::height},
    {S::LoadSettings, &keys::Zoomed, &Preferences::zoomed},
    {S::LoadSettings, &keys::TabSize, &Preferences::tabSize},
    {S::LoadSettings, &keys::MaxTabWidth, &Preferences::maxTabWidth},
    {S::LoadSettings, &keys::MinTabWidth, &Preferences::minTabWidth},
    {S::LoadSettings, &keys::ActiveNew, &Preferences::activeNew},
    {S::LoadSettings, &keys::NewSequence, &Preferences::newSequence},
    {S::LoadSettings, &keys::LinkInNewWindow, &Preferences::linkInNewWindow},
    {S::LoadSettings, &keys::AutoRefresh, &Preferences::autoRefresh},
    {S::LoadSettings, &keys::AutoRefreshActive, &Preferences::autoRefreshActive},
    {S::LoadSettings, &keys::UseAutoScroll, &Preferences::useAutoScroll},
    {S::LoadSettings, &keys::AutoScrollAfterDL, &Preferences::autoScrollAfterDL},
    {S::LoadSettings, &keys::SrSpeed, &Preferences::srSpeed},
    {S::LoadSettings, &keys::AutoScrollPage, &Preferences::autoScrollPage},
    {S::LoadSettings, &keys::SpeedSeed, &Preferences::speedSeed},
    {S::LoadSettings, &keys::MouseCtrlSpeed, &Preferences::mouseCtrlSpeed},
    {S::LoadSettings, &keys::DisScrollText, &Preferences::disScrollText},
    {S::LoadSettings, &keys::AutoSetBG, &Preferences::autoSetBG},
    {S::LoadSettings, &keys::DefFontSize, &Preferences::defFontSize},
    {S::LoadSettings, &keys::DefaultCharSet, &Preferences::defaultCharSet},
    {S::LoadSettings, &keys::DisDownActivex, &Preferences::disDownActivex},
    {S::LoadSettings, &keys::AnimateIcon, &Preferences::animateIcon},
    {S::LoadSettings, &keys::LockHomepage, &Preferences::lockHomepage},
    {S::LoadSettings, &keys::Silent, &Preferences::silent},
    {S::LoadSettings, &keys::ReloadUnShownImage, &Preferences::reloadUnShownImage},
    {S::LoadSettings, &keys::ExpWidth, &Preferences::expWidth},
    {S::LoadSettings, &keys::UseAlias, &Preferences::useAlias},
    {S::LoadSettings, &keys::UseSC, &Preferences::useSC},
    {S::LoadSettings, &keys::RMouseDrag, &Preferences::rMouseDrag},
    {S::LoadSettings, &keys::RMouseGesture, &Preferences::rMouseGesture},
    {S::LoadSettings, &keys::SearchMatchCase, &Preferences::searchMatchCase},
    {S::LoadSettings, &keys::SearchMatchWhole, &Preferences::searchMatchWhole},
    {S::LoadSettings, &keys::NotSaveKeyword, &Preferences::notSaveKeyword},
    {S::LoadSettings, &keys::ShowSortSaveDlg, &Preferences::showSortSaveDlg},
    {S::LoadSettings, &keys::EnableProxy, &Preferences::enableProxy},
    {S::LoadSettings, &keys::UseSystemProxy, &Preferences::useSystemProxy},

    {S::AfterLoad, &keys::StartupMode, &Preferences::startupMode},
    {S::AfterLoad, &keys::MaxWins, &Preferences::maxWins},
    {S::AfterLoad, &keys::Running, &Preferences::running},
    {S::AfterLoad, &keys::PageMax, &Preferences::pageMax},
    {S::AfterLoad, &keys::KeepOnePage, &Preferences::keepOnePage},
    {S::AfterLoad, &keys::AutoRunExternal, &Preferences::autoRunExternal},
    {S::AfterLoad, &keys::ConfirmUnsafePage, &Preferences::confirmUnsafePage},
    {S::AfterLoad, &keys::UseTargetFrameName, &Preferences::useTargetFrameName},
    {S::AfterLoad, &keys::AutoHide, &Preferences::autoHide},
    {S::AfterLoad, &keys::FullScreen, &Preferences::fullScreen},

    {S::Deferred, &keys::DirectOpenFile, &Preferences::directOpenFile},
    {S::Deferred, &keys::OpenInNew, &Preferences::openInNew},
    {S::Deferred, &keys::GroupMenuShowMember, &Preferences::groupMenuShowMember},
    {S::Deferred, &keys::CloseAllBeforeNewGroup, &Preferences::closeAllBeforeNewGroup},
};

constexpr TextField kTextFields[] = {
    {S::FrameCreation, &keys::SkinName, &Preferences::skinName},
    {S::LoadSettings, &keys::BGColor, &Preferences::bgColor},
    {S::LoadSettings, &keys::ExpBar, &Preferences::expBar},
    {S::LoadSettings, &keys::CurrentProxy, &Preferences::currentProxy},
    {S::LoadSettings, &keys::CurrentProxyName, &Preferences::currentProxyName},
    {S::LoadSettings, &keys::ProxyByPass, &Preferences::proxyByPass},
    {S::LoadSettings, &keys::DefaultWebProxy, &Preferences::defaultWebProxy},
    {S::LoadSettings, &keys::StartFolder, &Preferences::startFolder},
    {S::LoadSettings, &keys::StartGroup, &Preferences::startGroup},
    {S::LoadSettings, &keys::SortSaveFolder, &Preferences::sortSaveFolder},
};

}  // namespace

void Preferences::Load(LoadStage stage, SettingsStore& store, Registry& registry) {
    for (const IntField& f : kIntFields)
        if (f.stage == stage)
            this->*f.field = store.Get(*f.key);
    for (const TextField& f : kTextFields)
        if (f.stage == stage)
            this->*f.field = store.Get(*f.key);

    if (stage == LoadStage::AfterLoad) {
        // Stored as the children display mode (0-3). Only a session that ended with maximised
        // children starts maximised: after a restore, a minimise, a cascade or a tile the
        // user had left the maximised view.
        pageMax = pageMax == 1 ? 1 : 0;
        const IntSetting& key = keys::DefaultProperty;
        defaultProperty =
            store.GetProfileInt(key.section, key.key, ComputedDefaultProperty(registry));
    }
}

void Preferences::Save(SettingsStore& store) const {
    for (const IntField& f : kIntFields)
        if (f.key->written & kSave)
            store.Write(*f.key, this->*f.field);
    for (const TextField& f : kTextFields)
        if (f.key->written & kSave)
            store.Write(*f.key, this->*f.field);
}

}  // namespace lumbrel
