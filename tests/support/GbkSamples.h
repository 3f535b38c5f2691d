// GBK (code page 936) byte sequences the text tests share, checked against glibc's CP936
// table and Windows. Chosen for what naive byte code gets wrong: trail bytes that are
// ASCII letters, "\" or "|", and trail bytes below 0x80.
#pragma once

namespace lumbrel::test::gbk {

inline constexpr char kZhongWen[] = "\xD6\xD0\xCE\xC4";  // 中文, U+4E2D U+6587
inline constexpr char kZhong[] = "\xD6\xD0";             // 中
inline constexpr char kKao[] = "\x81\x40";               // 丂 U+4E02, trail below 0x80
inline constexpr char kTrailUpperA[] = "\x81\x41";       // 丄 U+4E04, trail "A"
inline constexpr char kTrailLowerA[] = "\x81\x61";       // 乤 U+4E64, trail "a"
inline constexpr char kTrailBackslash[] = "\x81\x5C";    // 乗 U+4E57, trail "\"
inline constexpr char kTrailBar[] = "\x81\x7C";          // 亅 U+4E85, trail "|"
inline constexpr char kEuro[] = "\x80";                  // a single byte in 936, U+20AC

}  // namespace lumbrel::test::gbk
