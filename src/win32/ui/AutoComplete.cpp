#include "win32/ui/AutoComplete.h"

namespace lumbrel::win32 {
namespace {

// SHACF_URLHISTORY | SHACF_URLMRU | SHACF_USETAB: the history, the typed addresses and Tab
// to complete.
constexpr DWORD kAutoCompleteFlags = 14;

}  // namespace

void AttachAddressAutoComplete(HWND edit) {
    using AutoCompleteFn = HRESULT(WINAPI*)(HWND, DWORD);
    // Loaded for the life of the process: the completion object it attaches to the edit
    // field runs code of the library until the field is gone.
    static HMODULE library = LoadLibraryA("shlwapi.dll");
    if (!library || !edit)
        return;
    const auto attach = reinterpret_cast<AutoCompleteFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "SHAutoComplete")));
    if (attach)
        attach(edit, kAutoCompleteFlags);
}

}  // namespace lumbrel::win32
