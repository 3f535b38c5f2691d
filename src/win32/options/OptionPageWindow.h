// One page of the options dialog on screen: a child dialog whose controls are made from the
// page's fields in the option table (label and control per row), translated from the page's
// language section, and read back into the model on OK or Apply. List pages add their lists
// and forward the user's clicks to the page models; the models decide.
#pragma once

#include "win32/platform/WinApi.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "options/OptionsDialogModel.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

class OptionPageWindow {
public:
    virtual ~OptionPageWindow();
    OptionPageWindow(const OptionPageWindow&) = delete;
    OptionPageWindow& operator=(const OptionPageWindow&) = delete;

    // Makes the page for `page` inside `dialog`, over `area` (client coordinates), hidden.
    static std::unique_ptr<OptionPageWindow> Create(OptionPageId page, OptionsDialogModel& model,
                                                    const Language* language, HWND dialog,
                                                    const RECT& area);

    HWND Handle() const { return hwnd_; }
    OptionPageId Page() const { return page_; }
    // The controls' values go into the model; the first refused value is named (its control
    // focused) and nothing after it is taken.
    struct Refused {
        int controlId;
        std::string message;
    };
    std::optional<Refused> Commit();

protected:
    OptionPageWindow(OptionPageId page, OptionsDialogModel& model);

    // Rows are laid out from the top in dialog units; each adds its height.
    int AddFields(int top);
    virtual void Build(int top);
    virtual void CommitLists() {}
    virtual INT_PTR OnCommand(int id, int code);
    virtual INT_PTR OnNotify(NMHDR&) { return FALSE; }
    // An owner-drawn control of the page asks to be drawn; false when none of the page's.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

    HWND MakeControl(const char* cls, const char* text, DWORD style, int id, int x, int y,
                     int width, int height, DWORD exStyle = 0);
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    OptionPageId page_;
    OptionsDialogModel& model_;
    HWND hwnd_ = nullptr;

    static constexpr int kWidth = 290;       // dialog units
    static constexpr int kLabelWidth = 128;  // the label column
    static constexpr int kCheckRow = 12;
    static constexpr int kControlRow = 16;
    static constexpr int kBrowseWidth = 16;
    static constexpr int kSliderValueWidth = 24;

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void AddField(const OptionField& field, int& y);
    void ShowValue(const OptionField& field);
    std::optional<Refused> CommitField(const OptionField& field);
    void PickColour(const OptionField& field);
    void Browse(const OptionField& field);
    void ShowSliderValue(const OptionField& field);
    bool FitsLabelColumn(const char* text) const;

    std::vector<const OptionField*> fields_;
    std::vector<CommandChoice> commands_;
};

}  // namespace lumbrel::win32
