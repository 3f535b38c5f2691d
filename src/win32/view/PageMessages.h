// The queued messages for a page that the view sees before the engine does: keys and mouse
// buttons as the core's PageKey and PageMouse. Other messages give nothing.
#pragma once

#include <optional>

#include "platform/BrowserControl.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

// WM_KEYDOWN, WM_KEYUP and WM_CHAR, with the Ctrl key as it was when the message was queued.
std::optional<PageKey> PageKeyOf(const MSG& message);
// Presses, releases, double clicks and the wheel, placed in `view`'s client coordinates. A
// second press of the right or middle button counts as a press: only the left button's
// double click has a meaning of its own.
std::optional<PageMouse> PageMouseOf(const MSG& message, HWND view);

}  // namespace lumbrel::win32
