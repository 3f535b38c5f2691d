// The page commands of the View and Edit menus, as one table: command id → handler → update
// state. They act on the view they are made for (the active window's, by command routing).
#pragma once

#include "view/CQuorralView.h"

namespace lumbrel {

class ViewCommands {
public:
    explicit ViewCommands(CQuorralView& view) : view_(view) {}

    static bool Knows(int id);
    // Runs the command when it is known and enabled.
    void Run(int id);
    CQuorralView::CommandUpdate State(int id);

private:
    struct Row;
    static const Row kRows[];
    static const Row* Find(int id);

    void Back(int id);
    void Forward(int id);
    CQuorralView::CommandUpdate BackState(int id);
    CQuorralView::CommandUpdate ForwardState(int id);
    void Stop(int id);
    void Refresh(int id);
    void ForbidNavigate(int id);
    CQuorralView::CommandUpdate ForbidNavigateState(int id);
    void Edit(int id);
    void DownloadFlag(int id);
    CQuorralView::CommandUpdate DownloadFlagState(int id);
    void WebProxySwitch(int id);
    CQuorralView::CommandUpdate WebProxyState(int id);
    void TextSize(int id);
    CQuorralView::CommandUpdate TextSizeState(int id);
    void DocumentDialog(int id);
    void ImportExport(int id);
    void ScrollSwitch(int id);
    CQuorralView::CommandUpdate ScrollState(int id);
    void ScrollStep(int id);
    CQuorralView::CommandUpdate ScrollStepState(int id);
    void ScrollSideways(int id);
    void Zoom(int id);

    CQuorralView& view_;
};

}  // namespace lumbrel
