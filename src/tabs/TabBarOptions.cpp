#include "tabs/TabBarOptions.h"

namespace lumbrel {

TabBarOptions::TabBarOptions()
    : tabPos(keys::TabPos.defaultValue),
      showDot(keys::ShowDot.defaultValue),
      unSelColor(keys::UnSelColor.defaultValue),
      unSelFontColor(keys::UnSelFontColor.defaultValue),
      selFontColor(keys::SelFontColor.defaultValue),
      sepColor(keys::SepColor.defaultValue),
      clickClose(keys::ClickClose.defaultValue),
      allowDbc(keys::AllowDBC.defaultValue),
      allowMc(keys::AllowMC.defaultValue),
      allowRc(keys::AllowRC.defaultValue),
      lDbClickTabBlank(keys::LDbClickTabBlank.defaultValue),
      rDbClickTabBlank(keys::RDbClickTabBlank.defaultValue),
      wheelOnTab(keys::WheelOnTab.defaultValue) {}

void TabBarOptions::Load(LoadStage stage, SettingsStore& store) {
    switch (stage) {
        case LoadStage::FrameCreation:
            tabPos = store.Get(keys::TabPos);
            showDot = store.Get(keys::ShowDot);
            unSelColor = store.Get(keys::UnSelColor);
            unSelFontColor = store.Get(keys::UnSelFontColor);
            selFontColor = store.Get(keys::SelFontColor);
            sepColor = store.Get(keys::SepColor);
            break;
        case LoadStage::Deferred:
            clickClose = store.Get(keys::ClickClose);
            allowDbc = store.Get(keys::AllowDBC);
            allowMc = store.Get(keys::AllowMC);
            allowRc = store.Get(keys::AllowRC);
            lDbClickTabBlank = store.Get(keys::LDbClickTabBlank);
            rDbClickTabBlank = store.Get(keys::RDbClickTabBlank);
            wheelOnTab = store.Get(keys::WheelOnTab);
            break;
        default:
            break;
    }
}

}  // namespace lumbrel
