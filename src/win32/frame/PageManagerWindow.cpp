#include "frame/PageManager.h"
#include "win32/frame/MainWindow.h"

namespace lumbrel::win32 {

void MainWindow::RunPageManager(PageManager& manager) {
    // FIXME: the Page Manager dialog (tab strip, check-box lists with the "TaskBar.bmp"
    // pictures, in-place editing, "&Work Offline"); until it exists the offered rows are
    // taken as they stand, as its OK button would.
    manager.Ok();
}

}  // namespace lumbrel::win32
