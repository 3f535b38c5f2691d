#include "mouse/GestureStatus.h"

#include "commands/CommandPicker.h"
#include "language/Language.h"
#include "language/StringIds.h"

namespace lumbrel {

std::string TranslateGestureLetters(std::string_view letters, const Language& language) {
    if (!language.IsActive())
        return std::string(letters);
    std::string shown;
    for (const char letter : letters) {
        switch (letter) {
            case 'U':
                shown += language.LngLoadString(IDS_GESTURE_UP);
                break;
            case 'D':
                shown += language.LngLoadString(IDS_GESTURE_DOWN);
                break;
            case 'L':
                shown += language.LngLoadString(IDS_GESTURE_LEFT);
                break;
            case 'R':
                shown += language.LngLoadString(IDS_GESTURE_RIGHT);
                break;
            default:
                shown += letter;
                break;
        }
    }
    return shown;
}

std::string GestureStatusText(std::string_view letters, int command, const MenuItems& mainMenu,
                              const Language& language) {
    std::string name = MenuCommandText(mainMenu, command, language);
    if (name.empty())  // a command the menu no longer has
        name = std::to_string(command);
    return language.LngLoadString(IDS_GESTURE) + ": " + TranslateGestureLetters(letters, language) +
           " => " + name;
}

}  // namespace lumbrel
