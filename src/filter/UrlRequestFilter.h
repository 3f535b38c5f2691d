// The decision behind the namespace handler: for each http and https request of the engine,
// whether a script dialog's content is emptied (the dialog filter), the request is answered
// with the blank image (the content list), or the engine fetches it itself.
//
// Driven by the handler on the thread of the engine's binding; it reads the lists without a
// lock and shows nothing: the dialog filter's question, when one is due, is the host's to ask
// later, outside the engine's callback.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "filter/FilterLists.h"
#include "filter/RequestFilter.h"
#include "platform/CodePage.h"

namespace lumbrel {

// The 1x1 GIF whose single pixel is transparent: the answer to a refused request.
extern const std::string_view kBlankGif;

// The bind flags script dialogs load their content with, and nothing else does:
// BINDF_ASYNCHRONOUS | BINDF_ASYNCSTORAGE | BINDF_PULLDATA | BINDF_FROMURLMON.
inline constexpr uint32_t kDialogBindFlags = 0x00100083;

// The collector's output kind of a content-filter line.
inline constexpr int kCollectorUrlFilterKind = 15;

struct RequestFilterSettings {
    bool useUrlFilter = true;
    bool useDialogFilter = true;
    bool outputSaveUrlFilter = false;  // "Collector" OutputSaveUrlFilter
    bool notFilterClickDialog = true;
    double popupBound = 1.2;  // seconds
};

// What the decision asks of the rest of the program.
class RequestFilterHost {
public:
    virtual ~RequestFilterHost() = default;
    virtual const std::string& LastNavigationUrl() = 0;
    // Seconds since the last left press in the page of the selected tab's view; nothing when
    // there is no such view.
    virtual std::optional<double> SecondsSinceSelectedClick() = 0;
    // The popup rules' verdict on a script dialog, decided without a question; true empties
    // it (the host counts and logs it and expects its window).
    virtual bool FilterDialog(const std::string& url) = 0;
    // A line for the collector's output.
    virtual void AddToCollector(const std::string& text, int kind) = 0;
};

class UrlRequestFilter : public RequestFilter {
public:
    UrlRequestFilter(const CodePage& cp, const FilterLists& lists, RequestFilterHost& host)
        : cp_(cp), lists_(lists), host_(host) {}

    void SetSettings(const RequestFilterSettings& settings) { settings_ = settings; }
    const RequestFilterSettings& Settings() const { return settings_; }
    // The handler is needed while either filter is on.
    bool NeedsHandler() const { return settings_.useUrlFilter || settings_.useDialogFilter; }

    // RequestFilter
    RequestDecision Decide(std::string_view url, uint32_t bindFlags) override;

private:
    bool TakesDialog(const std::string& url, uint32_t bindFlags);

    const CodePage& cp_;
    const FilterLists& lists_;
    RequestFilterHost& host_;
    RequestFilterSettings settings_;
};

}  // namespace lumbrel
