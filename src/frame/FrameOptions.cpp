#include "frame/FrameOptions.h"

namespace lumbrel {

FrameOptions::FrameOptions()
    : tabStyle(keys::TabStyle.defaultValue),
      showIndex(keys::ShowIndex.defaultValue),
      showRead(keys::ShowRead.defaultValue),
      menuLoadLastClose(keys::MenuLoadLastClose.defaultValue),
      showHideModifiers(keys::ShowHideModifiers.defaultValue),
      showHideKey(keys::ShowHideKey.defaultValue),
      addressInNewWindow(keys::AddressInNewWindow.defaultValue),
      favInNewWindow(keys::FavInNewWindow.defaultValue),
      hisInNewWindow(keys::HisInNewWindow.defaultValue),
      fileInNewWindow(keys::FileInNewWindow.defaultValue),
      homeInNewWindow(keys::HomeInNewWindow.defaultValue),
      activeFileNew(keys::ActiveFileNew.defaultValue),
      activeNewAddress(keys::ActiveNewAddress.defaultValue),
      confirmExit(keys::ConfirmExit.defaultValue),
      confirmCloseAll(keys::ConfirmCloseAll.defaultValue),
      confirmCloseAllKeepCur(keys::ConfirmCloseAllKeepCur.defaultValue),
      confirmCloseLock(keys::ConfirmCloseLock.defaultValue),
      confirmExitDowning(keys::ConfirmExitDowning.defaultValue),
      closeSequence(keys::CloseSequence.defaultValue),
      newWindow(keys::NewWindow.defaultValue),
      showTrayIcon(keys::ShowTrayIcon.defaultValue),
      minimizeToTray(keys::MinimizeToTray.defaultValue),
      closeToTray(keys::CloseToTray.defaultValue),
      closeAllWhenCloseToTray(keys::CloseAllWhenCloseToTray.defaultValue) {}

void FrameOptions::Load(LoadStage stage, SettingsStore& store) {
    switch (stage) {
        case LoadStage::FrameCreation:
            tabStyle = store.Get(keys::TabStyle);
            showIndex = store.Get(keys::ShowIndex);
            showRead = store.Get(keys::ShowRead);
            menuLoadLastClose = store.Get(keys::MenuLoadLastClose);
            showHideModifiers = store.Get(keys::ShowHideModifiers);
            showHideKey = store.Get(keys::ShowHideKey);
            break;
        case LoadStage::Deferred:
            addressInNewWindow = store.Get(keys::AddressInNewWindow);
            favInNewWindow = store.Get(keys::FavInNewWindow);
            hisInNewWindow = store.Get(keys::HisInNewWindow);
            fileInNewWindow = store.Get(keys::FileInNewWindow);
            homeInNewWindow = store.Get(keys::HomeInNewWindow);
            activeFileNew = store.Get(keys::ActiveFileNew);
            activeNewAddress = store.Get(keys::ActiveNewAddress);
            confirmExit = store.Get(keys::ConfirmExit);
            confirmCloseAll = store.Get(keys::ConfirmCloseAll);
            confirmCloseAllKeepCur = store.Get(keys::ConfirmCloseAllKeepCur);
            confirmCloseLock = store.Get(keys::ConfirmCloseLock);
            confirmExitDowning = store.Get(keys::ConfirmExitDowning);
            closeSequence = store.Get(keys::CloseSequence);
            newWindow = store.Get(keys::NewWindow);
            showTrayIcon = store.Get(keys::ShowTrayIcon);
            minimizeToTray = store.Get(keys::MinimizeToTray);
            closeToTray = store.Get(keys::CloseToTray);
            closeAllWhenCloseToTray = store.Get(keys::CloseAllWhenCloseToTray);
            break;
        default:
            break;
    }
}

}  // namespace lumbrel
