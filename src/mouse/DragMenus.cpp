#include "mouse/DragMenus.h"

#include "commands/CommandIds.h"

namespace lumbrel {
namespace {

MenuItem Cmd(int id, const char* text) {
    return MenuItem::Command(id, text);
}
MenuItem Sep() {
    return MenuItem::Separator();
}

}  // namespace

const MenuItems& DragImageMenu() {
    static const MenuItems menu = {
        Cmd(IDM_DRAG_SHOW_IMAGE, "S&how Image"),
        Sep(),
        Cmd(IDM_DRAG_OPEN, "&Open URL"),
        Cmd(IDM_DRAG_SHOW_URL, "&Show URL"),
        Sep(),
        Cmd(IDM_DRAG_EDIT_URL, "&Edit URL..."),
        Cmd(IDM_DRAG_COPY_URL, "&Copy URL"),
        Sep(),
        Cmd(IDM_ADD_TO_CONTENT_FILTER, "Add to &Filter..."),
    };
    return menu;
}

const MenuItems& DragLinkMenu() {
    static const MenuItems menu = {
        Cmd(IDM_DRAG_OPEN, "Open"),
        Cmd(IDM_DRAG_OPEN_OTHER_SIDE, "Open in Other Side"),
        Sep(),
        Cmd(IDM_DRAG_OPEN_FOREGROUND, "Open in Foreground"),
        Cmd(IDM_DRAG_OPEN_BACKGROUND, "Open in Background"),
        Cmd(IDM_DRAG_OPEN_IN_IE, "Open In &Internet Explorer"),
        Sep(),
        Cmd(IDM_DRAG_OPEN_JUMP_URL, "Open &Jump URL Direct"),
        Cmd(IDM_DRAG_OPEN_FTP, "Open &Ftp URL"),
        Sep(),
        Cmd(IDM_DRAG_LINK_TO_COLLECTOR, "Add to Collector"),
        MenuItem::Popup("Add to &Group", {}, MenuRole::AddToGroup),
        Cmd(IDM_ADD_TO_CONTENT_FILTER, "Add to Ad Content Filter..."),
        Cmd(IDM_DRAG_ADD_TO_FAVORITE, "Add to Favorite..."),
        Sep(),
        Cmd(IDM_DRAG_EDIT_IMAGE_URL, "Edit I&mage URL ..."),
        Sep(),
        Cmd(IDM_DRAG_EDIT_URL, "Edit &URL ..."),
        Cmd(IDM_DRAG_COPY_URL, "Copy URL"),
        Sep(),
        Cmd(IDM_DRAG_EDIT_TEXT, "&Edit Text..."),
        Cmd(IDM_DRAG_COPY_TEXT, "&Copy Text"),
    };
    return menu;
}

MenuItems DragTextMenu(MenuItems engines) {
    return {
        Cmd(IDM_DRAG_OPEN, "Open"),
        Cmd(IDM_DRAG_OPEN_OTHER_SIDE, "Open in Other Side"),
        Sep(),
        Cmd(IDM_DRAG_OPEN_FOREGROUND, "Open in Foreground"),
        Cmd(IDM_DRAG_OPEN_BACKGROUND, "Open in Background"),
        Cmd(IDM_DRAG_OPEN_IN_IE, "Open in &Internet Explorer"),
        Sep(),
        Cmd(IDM_DRAG_OPEN_SELECTED_LINKS, "Open Selected &Links"),
        Cmd(IDM_DRAG_OPEN_FTP, "Open &Ftp URL"),
        Sep(),
        Cmd(IDM_DRAG_TEXT_TO_COLLECTOR, "Add to Collector"),
        Cmd(IDM_ADD_TO_CONTENT_FILTER, "Add to Ad Content Filter..."),
        Sep(),
        Cmd(IDM_DRAG_SEARCH, "Search"),
        MenuItem::Popup("All &Search", std::move(engines)),
        Cmd(IDM_DRAG_HIGHLIGHT, "&Highlight"),
        Cmd(IDM_DRAG_FIND, "Find in Page"),
        Sep(),
        Cmd(IDM_SAVE_TEXT, "Save &Text... "),
        Cmd(IDM_AUTO_SAVE_TEXT, "&Auto Save Text"),
        Sep(),
        Cmd(IDM_DRAG_EDIT_TEXT, "&Edit Text..."),
        Cmd(IDM_DRAG_COPY_TEXT, "&Copy Text"),
    };
}

MenuItems DragMenuFor(DragKind kind, MenuItems engines) {
    switch (kind) {
        case DragKind::Image:
            return DragImageMenu();
        case DragKind::Link:
            return DragLinkMenu();
        case DragKind::Text:
            return DragTextMenu(std::move(engines));
    }
    return {};
}

const char* DragMenuSection(DragKind kind) {
    switch (kind) {
        case DragKind::Image:
            return kDragImageMenuSection;
        case DragKind::Link:
            return kDragLinkMenuSection;
        case DragKind::Text:
            return kDragTextMenuSection;
    }
    return kDragTextMenuSection;
}

}  // namespace lumbrel
