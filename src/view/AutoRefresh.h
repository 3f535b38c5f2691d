// Periodic reloading of one browser view. Owned by the view; the refresh commands switch it
// and set its period, its timer asks whether this tick reloads. The owner gives the calls
// that start and stop the view's timers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lumbrel {

class AutoRefresh {
public:
    static constexpr uint32_t kTimerBase = 3132;
    static constexpr int kMinPeriod = 1;
    static constexpr int kMaxPeriod = 10000;
    static constexpr int kDefaultPeriod = 60;

    using StartTimer = std::function<void(uint32_t timerId, uint32_t periodMs)>;
    using StopTimer = std::function<void(uint32_t timerId)>;

    // `period` as stored; one outside what the dialog accepts (a hand-edited or damaged
    // file) is taken as the default minute, so that the timer neither wraps nor never fires.
    AutoRefresh(StartTimer start, StopTimer stop, int period)
        : start_(std::move(start)),
          stop_(std::move(stop)),
          refreshPeriod_(period >= kMinPeriod && period <= kMaxPeriod ? period : kDefaultPeriod) {}

    // The period the dialog accepts from `text`: a whole number of seconds, 1 to 10000.
    static std::optional<int> ParsePeriod(const std::string& text);

    bool On() const { return refreshOn_; }
    int Period() const { return refreshPeriod_; }
    // The running timer's id, 0 when none.
    uint32_t TimerId() const { return refreshTimer_; }

    // "Enable Auto Refresh": on starts a timer whose id is spread by `random` (0..32767) so
    // that windows switched on together do not share one; off stops it.
    void Toggle(int random);
    // A new period from the dialog; a running timer restarts with it. False when refused.
    bool SetPeriod(int seconds);
    // A tick of timer `timerId`: whether the view reloads now. The window in front reloads
    // only with `refreshActive`.
    bool OnTimer(uint32_t timerId, bool isActiveView, bool refreshActive) const;
    void Stop();

private:
    void Start(uint32_t timerId);

    StartTimer start_;
    StopTimer stop_;
    bool refreshOn_ = false;
    int refreshPeriod_;
    uint32_t refreshTimer_ = 0;
};

}  // namespace lumbrel
