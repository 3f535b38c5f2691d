// The Ui port: message boxes owned by the main window, titled with the program's name.
#pragma once

#include "win32/platform/WinApi.h"

#include "platform/Ui.h"

namespace lumbrel::win32 {

class Win32Ui : public Ui {
public:
    explicit Win32Ui(const char* title) : title_(title) {}
    // The window that owns the boxes (none before the main window exists).
    void SetOwner(HWND owner) { owner_ = owner; }

    MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& initial) override;
    std::optional<PasswordAnswer> PasswordBox(const std::string& prompt,
                                              const PasswordAnswer& initial) override;

private:
    const char* title_;
    HWND owner_ = nullptr;
};

}  // namespace lumbrel::win32
