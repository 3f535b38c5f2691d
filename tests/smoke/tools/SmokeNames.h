// The arguments of smokectl: numbers, and the Windows names a smoke script may use for
// messages, buttons and keys.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Pointer-sized, so that a message argument of the 64-bit program keeps all its bits; "-1"
// becomes all bits set on either architecture.
ULONG_PTR Number(const char* text, char** end = nullptr) {
    return static_cast<ULONG_PTR>(std::strtoull(text, end, 0));
}

struct Name {
    const char* text;
    ULONG_PTR value;
};

constexpr Name kNames[] = {
    {"WM_CLOSE", WM_CLOSE},
    {"WM_COMMAND", WM_COMMAND},
    {"WM_SYSCOMMAND", WM_SYSCOMMAND},
    {"WM_HOTKEY", WM_HOTKEY},
    {"IDOK", IDOK},
    {"IDCANCEL", IDCANCEL},
    {"IDYES", IDYES},
    {"IDNO", IDNO},
    {"ESCAPE", VK_ESCAPE},
    {"RETURN", VK_RETURN},
    {"TAB", VK_TAB},
    {"DELETE", VK_DELETE},
};

// A Windows name of the table, a function key (F1-F24), a letter or digit key, or a number
// (the program's own ids, expanded by the smoke library). Exits on anything else, so that a
// misspelt name fails the run instead of sending 0.
ULONG_PTR Value(const char* text) {
    for (const Name& name : kNames)
        if (!std::strcmp(text, name.text))
            return name.value;
    if (text[0] == 'F' && text[1] >= '1' && text[1] <= '9') {
        const unsigned long n = std::strtoul(text + 1, nullptr, 10);
        if (n >= 1 && n <= 24)
            return VK_F1 + n - 1;
    }
    if (text[1] == 0 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= '0' && text[0] <= '9')))
        return static_cast<unsigned char>(text[0]);
    char* end = nullptr;
    const ULONG_PTR number = Number(text, &end);
    if (end != text && *end == 0)
        return number;
    std::fprintf(stderr, "smokectl: unknown name %s\n", text);
    std::exit(2);
}

}  // namespace
