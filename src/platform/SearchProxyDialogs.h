// The dialogs of the search engines and the proxies: "Set Search Engine", "Set Proxy", the
// import dialog that picks a proxy-server category, and the standard file dialogs of import
// and export. Each is modal and runs a message loop; the models hold every rule, the dialogs
// only show them and forward the user's actions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "proxy/ProxyDialogModel.h"
#include "proxy/ProxyTransfer.h"
#include "search/EngineDialogModel.h"

namespace lumbrel {

class SearchProxyDialogs {
public:
    virtual ~SearchProxyDialogs() = default;
    // True when closed with OK; the model then holds the user's rows.
    virtual bool EditEngines(EngineDialogModel& model) = 0;
    virtual bool EditProxies(ProxyDialogModel& model) = 0;
    // The import dialog over the list's categories (only proxy-server ones are offered);
    // nothing when cancelled.
    virtual std::optional<ImportTarget> ChooseImport(
        const std::vector<ProxyCategory>& categories) = 0;
    // The proxy-server category to export, by position in `categories`.
    virtual std::optional<size_t> ChooseExportCategory(
        const std::vector<ProxyCategory>& categories) = 0;
    // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||": a file to read, or to write (default
    // extension "txt"); nothing when cancelled.
    virtual std::optional<std::string> OpenTextFile() = 0;
    virtual std::optional<std::string> SaveTextFile() = 0;
};

}  // namespace lumbrel
