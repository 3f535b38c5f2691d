// The base of the options dialog's pages. A plain page is its fields (OptionTable) and needs
// nothing more; a list page also hosts the model of its lists and, on OK or Apply, hands
// their results back: keys into the working copy, lists to their own files.
#pragma once

#include "options/OptionValues.h"

namespace lumbrel {

class OptionsHost;

class CSAPrefsSubDlg {
public:
    explicit CSAPrefsSubDlg(OptionPageId id) : id_(id) {}
    virtual ~CSAPrefsSubDlg() = default;
    CSAPrefsSubDlg(const CSAPrefsSubDlg&) = delete;
    CSAPrefsSubDlg& operator=(const CSAPrefsSubDlg&) = delete;

    OptionPageId Id() const { return id_; }
    const OptionPageInfo& Info() const { return OptionPage(id_); }

    // OK or Apply: the page's edits go into `values` (written afterwards, key by key, when
    // they changed); lists of other files are saved here, only when they changed. Returns
    // what it saved besides keys.
    struct Saved {
        bool filterLists = false;
        bool gestures = false;
        bool gesturesFailed = false;  // the table did not reach the file: tried again next time
    };
    virtual Saved OnOK(OptionValues&, OptionsHost&) { return {}; }

private:
    OptionPageId id_;
};

}  // namespace lumbrel
