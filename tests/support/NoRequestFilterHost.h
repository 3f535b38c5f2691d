// A request filter's host with no page, no click and no collector: the dialog check empties
// every dialog it is asked about.
#pragma once

#include <optional>
#include <string>

#include "filter/UrlRequestFilter.h"

namespace lumbrel::test {

class NoRequestFilterHost : public RequestFilterHost {
public:
    std::string navigation;
    const std::string& LastNavigationUrl() override { return navigation; }
    std::optional<double> SecondsSinceSelectedClick() override { return std::nullopt; }
    bool FilterDialog(const std::string&) override { return true; }
    void AddToCollector(const std::string&, int) override {}
};

}  // namespace lumbrel::test
