// A recording DragCommandHost: each call is one line of `log` ("link(http://a/,1) ").
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "mouse/DragCommands.h"

namespace lumbrel::test {

class FakeDragHost : public DragCommandHost {
public:
    std::string log;
    std::optional<std::string> editAnswer;  // what the input box returns
    bool pageMenuOpens = true;
    std::map<std::pair<int, int>, std::string> images;

    void OpenLink(const std::string& url, int mode) override {
        log += "link(" + url + "," + std::to_string(mode) + ") ";
    }
    void OpenText(const std::string& text, TextOpening how) override {
        log += "text(" + text + "," + std::to_string(static_cast<int>(how)) + ") ";
    }
    void OpenInNewWindow(const std::string& url) override { log += "new(" + url + ") "; }
    void OpenFtp(const std::string& url) override { log += "ftp(" + url + ") "; }
    void StartSystemBrowser(const std::string& argument) override {
        log += "ie(" + argument + ") ";
    }
    void ShowStatus(const std::string& text) override { log += "status(" + text + ") "; }
    std::optional<std::string> EditText(const std::string& initial) override {
        log += "edit(" + initial + ") ";
        return editAnswer;
    }
    void CopyText(const std::string& text) override { log += "copy(" + text + ") "; }
    std::string ImageAt(PagePoint point) override {
        const auto it = images.find({point.x, point.y});
        return it == images.end() ? std::string() : it->second;
    }
    bool OpenPageContextMenu(PagePoint point) override {
        log += "rclick(" + std::to_string(point.x) + "," + std::to_string(point.y) + ") ";
        return pageMenuOpens;
    }
    void ChooseContextMenuItem(char key) override { log += std::string("key(") + key + ") "; }
    void ProposeContentFilter(const std::string& url) override { log += "filter(" + url + ") "; }
    void AddFavorite(const std::string& name, const std::string& url) override {
        log += "fav(" + name + "," + url + ") ";
    }
    void AddToCollector(const std::string& text) override { log += "collect(" + text + ") "; }
    void SearchText(int command, const std::string& text) override {
        log += "search" + std::to_string(command) + "(" + text + ") ";
    }
    void SaveText(int command, const std::string& text) override {
        log += "save" + std::to_string(command) + "(" + text + ") ";
    }
    void OpenSelectedLinks() override { log += "selected "; }
    void CollectDrop(const DragItem& item, const std::string& file) override {
        log += "collectdrop(" + std::to_string(static_cast<int>(item.DragItemKind)) + "," +
               item.DragItemUrl + "," + file + ") ";
    }
    void ShowDragMenu(const DragItem& item, PagePoint) override {
        log += "menu" + std::to_string(static_cast<int>(item.DragItemKind)) + " ";
    }
};

}  // namespace lumbrel::test
