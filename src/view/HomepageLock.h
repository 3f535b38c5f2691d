// Keeps the engine's start page ("Start Page" of the engine's settings) as it was when the
// program started, against pages and programs that change it (`LockHomepage`). A user who
// empties it to "about:blank" is followed.
#pragma once

#include <optional>
#include <string>

#include "platform/Registry.h"

namespace lumbrel {

class HomepageLock {
public:
    explicit HomepageLock(Registry& registry) : registry_(registry) {}

    // Remembers the start page in force now.
    void Record();
    // Writes the remembered start page back when it was changed; "about:blank" becomes the
    // remembered one instead.
    void Enforce();
    const std::optional<std::string>& Recorded() const { return recorded_; }

private:
    std::optional<std::string> Current();

    Registry& registry_;
    std::optional<std::string> recorded_;
};

}  // namespace lumbrel
