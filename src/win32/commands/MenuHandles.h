// Ownership of menus and accelerator tables: each handle is destroyed once, by its owner.
// A submenu attached to a menu belongs to that menu; release it from its UniqueMenu when it
// is attached.
#pragma once

#include "win32/platform/WinApi.h"

#include <memory>
#include <type_traits>

namespace lumbrel::win32 {

struct MenuDeleter {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct AcceleratorTableDeleter {
    void operator()(HACCEL table) const noexcept { DestroyAcceleratorTable(table); }
};
using UniqueAcceleratorTable =
    std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorTableDeleter>;

}  // namespace lumbrel::win32
