#include "frame/PageManager.h"
#include "win32/frame/MainWindow.h"
#include "win32/frame/PageManagerDialog.h"

namespace lumbrel::win32 {

void MainWindow::RunPageManager(PageManager& manager) {
    // The rows' pictures are the tab bar's: the skin chosen now, a list of the dialog's own.
    const SkinFiles skin(app_.Ports().fs, app_.Directories().skin, app_.Prefs().skinName);
    const UniqueImageList images =
        LoadSkinImageList(skin.Resolve(kTabImagesStrip.file), kTabImagesStrip);
    PageManagerDialog dialog(manager, &app_.Lang(), images.get(),
                             [this](int stringId) { return frame_.Text(stringId); });
    if (dialog.Run(hwnd_) != IDOK)
        manager.Cancel();
}

}  // namespace lumbrel::win32
