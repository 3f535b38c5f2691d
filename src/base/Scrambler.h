// The reversible scrambling of saved form texts and of form passwords in "FormData.ini" and
// the settings file. It only keeps values from being read at a glance; it is not
// encryption. The format must not change: files saved earlier are read with it.
//
// Each input byte is XORed with a key character (cycling through 8) and written as two
// letters "A" + high nibble, "A" + low nibble, so the output is plain ASCII "A".."P" and
// survives an INI value unquoted.
#pragma once

#include <string>
#include <string_view>

namespace lumbrel {

enum class ScrambleKey {
    Text,      // saved text values, scrambled and unscrambled
    Password,  // fill and main passwords: only scrambled, and compared scrambled
};

// Twice as many letters as `plain` has bytes, each of "A".."P". Any byte, NUL included.
std::string ScrambleText(std::string_view plain, ScrambleKey key);

// Reads `letters` in pairs; a character outside "A".."Q" counts as 0, the others as their
// distance from "A" (so "Q" is 16 and carries into the next nibble; the sum is taken modulo
// 256). An odd last letter is ignored. The result may hold any byte, NUL included.
std::string UnscrambleText(std::string_view letters, ScrambleKey key);

}  // namespace lumbrel
