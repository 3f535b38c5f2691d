// The decision the namespace handler asks for on each http and https request of the engine:
// let the engine's own handler fetch it, or answer it here with bytes of the program's choice
// (the blank image of a refused advertisement, or nothing for a refused script dialog). The
// URL filter implements it; the handler calls it on the thread of the engine's binding, which
// is the user-interface thread for the program's own pages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace lumbrel {

struct RequestDecision {
    // True: the engine's default handler fetches the resource.
    bool useDefault = true;
    // The answer when not: its bytes (empty completes the request without data).
    std::string body;

    static RequestDecision UseDefault() { return {}; }
    static RequestDecision Answer(std::string bytes) { return {false, std::move(bytes)}; }
};

class RequestFilter {
public:
    virtual ~RequestFilter() = default;
    // `url` in the ANSI code page as the engine requested it; `bindFlags` are the request's
    // BINDF_ flags (script dialogs load with a set of their own).
    virtual RequestDecision Decide(std::string_view url, uint32_t bindFlags) = 0;
};

}  // namespace lumbrel
