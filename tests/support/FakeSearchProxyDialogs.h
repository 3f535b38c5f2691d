// The search and proxy dialogs for tests: each runs a function the test gives it over the
// model (what the user does in the dialog), and answers the import, export and file choices
// from values the test sets. A dialog without a function is cancelled.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/SearchProxyDialogs.h"

namespace lumbrel::test {

class FakeSearchProxyDialogs : public SearchProxyDialogs {
public:
    std::function<bool(EngineDialogModel&)> engineDialog;
    std::function<bool(ProxyDialogModel&)> proxyDialog;
    std::optional<ImportTarget> importTarget;
    std::optional<size_t> exportCategory;
    std::optional<std::string> openFile, saveFile;
    std::vector<std::string> shown;  // the dialogs, in the order they were run

    bool EditEngines(EngineDialogModel& model) override {
        shown.push_back("engines");
        return engineDialog && engineDialog(model);
    }
    bool EditProxies(ProxyDialogModel& model) override {
        shown.push_back("proxies");
        return proxyDialog && proxyDialog(model);
    }
    std::optional<ImportTarget> ChooseImport(const std::vector<ProxyCategory>&) override {
        shown.push_back("import");
        return importTarget;
    }
    std::optional<size_t> ChooseExportCategory(const std::vector<ProxyCategory>&) override {
        shown.push_back("export");
        return exportCategory;
    }
    std::optional<std::string> OpenTextFile() override {
        shown.push_back("open");
        return openFile;
    }
    std::optional<std::string> SaveTextFile() override {
        shown.push_back("save");
        return saveFile;
    }
};

}  // namespace lumbrel::test
