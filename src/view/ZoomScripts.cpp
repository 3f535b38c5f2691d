#include "view/ZoomScripts.h"

#include "commands/CommandIds.h"

namespace lumbrel {
namespace {

std::string Element(const std::string& body) {
    return "<script language=\"JavaScript\">" + body + "</script>";
}

std::string SetZoom(const char* zoom) {
    return Element(std::string("document.body.style.zoom=\"") + zoom + "\";");
}

// The current zoom as a whole number, 100 when it is not a number.
constexpr const char* kCurrentZoom = "var i=parseInt(document.body.style.zoom);if(isNaN(i))i=100;";

}  // namespace

std::string ZoomScript(int commandId) {
    switch (commandId) {
        case IDM_ZOOM_50:
            return SetZoom("50%");
        case IDM_ZOOM_100:
            return SetZoom("100%");
        case IDM_ZOOM_150:
            return SetZoom("150%");
        case IDM_ZOOM_MORE:
            return Element(std::string(kCurrentZoom) +
                           "if(i<0)i=0;if(i==19)i=18;document.body.style.zoom=(i+10)+\"%\";");
        case IDM_ZOOM_LESS:
            return Element(std::string(kCurrentZoom) +
                           "if(i<18)i=18;document.body.style.zoom=(i-10)+\"%\";");
        default:
            return {};
    }
}

}  // namespace lumbrel
