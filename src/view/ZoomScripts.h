// The page scripts behind the zoom commands "50%", "100%", "150%", "More" and "Less": each
// sets the zoom of the page body's style. "More" and "Less" step by 10 points from the
// current zoom (100 when none is set); "Less" stops at 8%.
#pragma once

#include <string>

namespace lumbrel {

// The script element for a zoom command id; empty for any other id.
std::string ZoomScript(int commandId);

}  // namespace lumbrel
