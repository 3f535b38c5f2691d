#include "base/Scrambler.h"

namespace lumbrel {
namespace {

constexpr size_t kKeyLength = 8;

std::string_view KeyText(ScrambleKey key) {
    return key == ScrambleKey::Password ? std::string_view("9%25hKQ!")
                                        : std::string_view("3kRw#t8M");
}

unsigned LetterValue(char c) {
    return (c >= 'A' && c <= 'Q') ? static_cast<unsigned>(c - 'A') : 0u;
}

}  // namespace

std::string ScrambleText(std::string_view plain, ScrambleKey key) {
    std::string_view k = KeyText(key);
    std::string letters;
    letters.reserve(plain.size() * 2);
    for (size_t i = 0; i < plain.size(); ++i) {
        unsigned d = static_cast<unsigned char>(plain[i] ^ k[i % kKeyLength]);
        letters += static_cast<char>('A' + (d >> 4));
        letters += static_cast<char>('A' + (d & 0x0F));
    }
    return letters;
}

std::string UnscrambleText(std::string_view letters, ScrambleKey key) {
    std::string_view k = KeyText(key);
    std::string plain;
    plain.reserve(letters.size() / 2);
    for (size_t i = 0; i + 1 < letters.size(); i += 2) {
        unsigned value = LetterValue(letters[i]) * 16 + LetterValue(letters[i + 1]);
        unsigned keyByte = static_cast<unsigned char>(k[(i / 2) % kKeyLength]);
        plain += static_cast<char>(static_cast<unsigned char>((value ^ keyByte) & 0xFF));
    }
    return plain;
}

}  // namespace lumbrel
