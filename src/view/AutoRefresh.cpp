#include "view/AutoRefresh.h"

#include <cctype>

namespace lumbrel {

std::optional<int> AutoRefresh::ParsePeriod(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos)
        return std::nullopt;
    long value = 0;
    for (size_t i = begin; i <= end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > kMaxPeriod)
            return std::nullopt;
    }
    if (value < kMinPeriod)
        return std::nullopt;
    return static_cast<int>(value);
}

void AutoRefresh::Start(uint32_t timerId) {
    refreshTimer_ = timerId;
    start_(timerId, static_cast<uint32_t>(refreshPeriod_) * 1000u);
}

void AutoRefresh::Stop() {
    if (refreshTimer_ != 0)
        stop_(refreshTimer_);
    refreshTimer_ = 0;
}

void AutoRefresh::Toggle(int random) {
    refreshOn_ = !refreshOn_;
    if (!refreshOn_) {
        Stop();
        return;
    }
    if (refreshTimer_ == 0 && refreshPeriod_ > 0)
        Start(kTimerBase + static_cast<uint32_t>((random & 0x7FFF) / 500));
}

bool AutoRefresh::SetPeriod(int seconds) {
    if (seconds < kMinPeriod || seconds > kMaxPeriod)
        return false;
    refreshPeriod_ = seconds;
    if (refreshOn_) {
        Stop();
        Start(kTimerBase);
    }
    return true;
}

bool AutoRefresh::OnTimer(uint32_t timerId, bool isActiveView, bool refreshActive) const {
    return refreshOn_ && timerId == refreshTimer_ && (!isActiveView || refreshActive);
}

}  // namespace lumbrel
