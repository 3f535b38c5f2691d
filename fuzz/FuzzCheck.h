// What the fuzz targets share: a check that stops the run with a readable reason (libFuzzer
// then keeps the input), and a few ways to draw names and texts from the input.
//
// Checks stay on in every build type: a fuzz target without its checks finds crashes only.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/FakeCodePage.h"

namespace lumbrel::fuzz {

// The code page a run works in, picked by the lowest bit of `flags`: GBK, whose trail bytes
// can look like ASCII separators, or the Western one.
inline const CodePage& CodePageFor(uint8_t flags) {
    static const test::FakeCodePage western(test::FakeCodePage::kWestern);
    static const test::FakeCodePage gbk(test::FakeCodePage::kGbk);
    return (flags & 1) ? static_cast<const CodePage&>(gbk) : western;
}

[[noreturn]] inline void CheckFailed(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

// Printable form of a byte string for failure reports.
inline std::string Shown(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// A text of at most `maxBytes` bytes whose bytes come from `alphabet` (any byte when empty).
inline std::string DrawText(FuzzedDataProvider& in, size_t maxBytes,
                            std::string_view alphabet = {}) {
    std::string text = in.ConsumeRandomLengthString(maxBytes);
    if (!alphabet.empty()) {
        for (char& c : text)
            c = alphabet[static_cast<unsigned char>(c) % alphabet.size()];
    }
    return text;
}

}  // namespace lumbrel::fuzz

#define FUZZ_CHECK(condition)                                             \
    do {                                                                  \
        if (!(condition))                                                 \
            ::lumbrel::fuzz::CheckFailed(__FILE__, __LINE__, #condition); \
    } while (false)

// A check that shows the two texts it compares when they differ.
#define FUZZ_CHECK_EQ_TEXT(actual, expected)                                            \
    do {                                                                                \
        const std::string fuzzActual_(actual);                                          \
        const std::string fuzzExpected_(expected);                                      \
        if (fuzzActual_ != fuzzExpected_) {                                             \
            std::fprintf(stderr, "got      \"%s\"\nexpected \"%s\"\n",                  \
                         ::lumbrel::fuzz::Shown(fuzzActual_).c_str(),                   \
                         ::lumbrel::fuzz::Shown(fuzzExpected_).c_str());                \
            ::lumbrel::fuzz::CheckFailed(__FILE__, __LINE__, #actual " == " #expected); \
        }                                                                               \
    } while (false)
