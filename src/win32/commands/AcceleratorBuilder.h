// Builds the main frame's accelerator table from the core's accelerator data.
#pragma once

#include <span>

#include "commands/Accelerators.h"
#include "win32/commands/MenuHandles.h"

namespace lumbrel::win32 {

// The accelerator table of `accelerators`; null when the system refuses to create it.
UniqueAcceleratorTable BuildAcceleratorTable(std::span<const Accelerator> accelerators);

}  // namespace lumbrel::win32
