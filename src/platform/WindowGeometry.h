// Where a window is and how it is shown, in screen pixels.
#pragma once

namespace lumbrel {

enum class ShowState { Normal, Maximized, Minimized };

// The order of the settings file: top, left, width, height.
struct Placement {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

}  // namespace lumbrel
