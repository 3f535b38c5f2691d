#include "filter/DialogKills.h"

namespace lumbrel {

bool DialogKills::OnDeactivate(int64_t counter, int64_t frequency, bool ownedByFrame,
                               std::string_view caption) {
    while (!pending_.empty() && frequency > 0 &&
           static_cast<double>(counter - pending_.front()) / static_cast<double>(frequency) >
               kLifetimeSeconds)
        pending_.pop_front();
    if (pending_.empty())
        return false;
    pending_.pop_front();
    // The engine's script dialogs have captions of the form "title -- Web Page Dialog".
    return ownedByFrame && caption.substr(0, 255).find(" -- ") != std::string_view::npos;
}

}  // namespace lumbrel
