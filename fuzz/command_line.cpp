// Fuzz target: the command-line splitter (SplitCommandLine) and the reading of the switches
// and the page to open (ParseCommandLine), on the Western code page and on GBK.
//
// The first input byte chooses: bit 0 GBK, bit 1 generated arguments. Generated arguments
// (any characters but NUL, double-byte characters with every trail byte, '\' included) are
// quoted the way a caller quotes for the C runtime, and the splitter must give them back
// exactly. Otherwise the rest of the input is the raw line; whatever it splits into, quoted
// again (where a line can say it at all), splits into the same arguments, the page to open
// is the first argument that is neither empty nor a switch, and a relative file argument is
// made a full path only when that path names a file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "base/DbcsText.h"
#include "instance/CommandLine.h"
#include "support/FakeFileSystem.h"

namespace lumbrel::fuzz {
namespace {

bool IsArgBlank(char c) {
    return c == ' ' || c == '\t';
}

struct Shape {
    bool hasBlankOrQuote = false;  // a single-byte blank, tab or double quote
    bool endsInLoneLead = false;   // the last character is a lead byte without its trail
};

Shape ShapeOf(const CodePage& cp, std::string_view text) {
    Shape shape;
    for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        if (len == 1 && (IsArgBlank(text[pos]) || text[pos] == '"'))
            shape.hasBlankOrQuote = true;
        shape.endsInLoneLead = len == 1 && pos + 1 == text.size() &&
                               cp.IsLeadByte(static_cast<unsigned char>(text[pos]));
    }
    return shape;
}

// One argument as the C runtime reads it back: bare when it can be, else in quotes with the
// backslashes before a quote (and before the closing quote) doubled and the quotes escaped.
// Nothing when no line says it (a cut-off double-byte character would take the closing quote
// or the blank after it as its second byte).
std::optional<std::string> QuoteArgument(const CodePage& cp, std::string_view arg, bool last) {
    const Shape shape = ShapeOf(cp, arg);
    if (!arg.empty() && !shape.hasBlankOrQuote)
        return shape.endsInLoneLead && !last ? std::nullopt : std::optional(std::string(arg));
    if (shape.endsInLoneLead)
        return std::nullopt;
    std::string out = "\"";
    size_t backslashes = 0;
    for (size_t pos = 0, len; (len = CharLength(cp, arg, pos)) != 0; pos += len) {
        if (len == 1 && arg[pos] == '\\') {
            ++backslashes;
            continue;
        }
        if (len == 1 && arg[pos] == '"') {
            out.append(backslashes * 2 + 1, '\\');
        } else {
            out.append(backslashes, '\\');
        }
        backslashes = 0;
        out.append(arg.substr(pos, len));
    }
    out.append(backslashes * 2, '\\');
    out += '"';
    return out;
}

// The program name is quoted unless it holds a quote, and then it must be said bare.
std::optional<std::string> QuoteProgramName(const CodePage& cp, std::string_view name, bool last) {
    const Shape shape = ShapeOf(cp, name);
    bool hasQuote = false;
    bool hasBlank = false;
    for (size_t pos = 0, len; (len = CharLength(cp, name, pos)) != 0; pos += len) {
        hasQuote = hasQuote || (len == 1 && name[pos] == '"');
        hasBlank = hasBlank || (len == 1 && IsArgBlank(name[pos]));
    }
    if (!hasQuote)
        return shape.endsInLoneLead ? std::nullopt : std::optional("\"" + std::string(name) + "\"");
    if (hasBlank || name.empty() || name.front() == '"' || (shape.endsInLoneLead && !last))
        return std::nullopt;
    return std::string(name);
}

std::optional<std::string> Quote(const CodePage& cp, const std::vector<std::string>& args) {
    std::optional<std::string> line = QuoteProgramName(cp, args[0], args.size() == 1);
    for (size_t i = 1; line && i < args.size(); ++i) {
        std::optional<std::string> arg = QuoteArgument(cp, args[i], i + 1 == args.size());
        if (!arg)
            return std::nullopt;
        *line += (i % 3 ? " " : " \t ") + *arg;
    }
    return line;
}

void CheckSame(const std::vector<std::string>& actual, const std::vector<std::string>& expected,
               std::string_view line) {
    if (actual == expected)
        return;
    std::fprintf(stderr, "line \"%s\"\n", Shown(line).c_str());
    for (size_t i = 0; i < actual.size() || i < expected.size(); ++i) {
        std::fprintf(stderr, "%zu: \"%s\" expected \"%s\"\n", i,
                     i < actual.size() ? Shown(actual[i]).c_str() : "(none)",
                     i < expected.size() ? Shown(expected[i]).c_str() : "(none)");
    }
    FUZZ_CHECK(actual == expected);
}

std::string DrawArgument(FuzzedDataProvider& in, const CodePage& cp, bool programName) {
    std::string arg;
    const size_t count = in.ConsumeIntegralInRange<size_t>(0, 12);
    for (size_t i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        auto byte = in.ConsumeIntegral<uint8_t>();
        if (cp.IsLeadByte(byte)) {
            arg += static_cast<char>(byte);
            arg += static_cast<char>(in.ConsumeIntegralInRange<uint8_t>(0x40, 0xFE));
            continue;
        }
        // A program name is a path and has no quote; only the runtime's quotes need care.
        if (byte == 0 || (programName && byte == '"'))
            byte = '\\';
        arg += static_cast<char>(byte);
    }
    return arg;
}

// A relative file argument becomes a full path only when that path names something.
void CheckAbsolute(const CodePage& cp, const std::vector<std::string>& args) {
    const std::string folder = "C:\\Work";
    test::FakeFileSystem fs;
    fs.AddFile(folder + "\\page.htm", "");
    if (args.size() > 1 && !args[1].empty() && args[1].find(':') == std::string::npos)
        fs.AddFile(folder + "\\" + args[1], "");
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string full = AbsoluteFileArgument(cp, fs, args[i], folder + "\\");
        FUZZ_CHECK(full == args[i] || (full.starts_with(folder + "\\") && fs.Exists(full)));
    }
}

void CheckParse(const CodePage& cp, std::string_view line, const std::vector<std::string>& args) {
    const CommandLineInfo info = ParseCommandLine(cp, line);
    FUZZ_CHECK(!(info.regServer && info.unregServer));
    std::string page;
    for (size_t i = 1; i < args.size() && page.empty(); ++i) {
        if (!args[i].starts_with('-') && !args[i].starts_with('/'))
            page = args[i];
    }
    FUZZ_CHECK_EQ_TEXT(info.fileName, page);
    FUZZ_CHECK((info.command == ShellCommand::Open) == !page.empty());
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumbrel;
    using namespace lumbrel::fuzz;
    if (size == 0)
        return 0;
    const uint8_t flags = data[0];
    const CodePage& cp = CodePageFor(flags);

    if (flags & 2) {
        FuzzedDataProvider in(data + 1, size - 1);
        std::vector<std::string> args{DrawArgument(in, cp, true)};
        const size_t count = in.ConsumeIntegralInRange<size_t>(0, 8);
        for (size_t i = 0; i < count; ++i)
            args.push_back(DrawArgument(in, cp, false));
        const std::optional<std::string> line = Quote(cp, args);
        FUZZ_CHECK(line.has_value());
        CheckSame(SplitCommandLine(cp, *line), args, *line);
        CheckParse(cp, *line, args);
        return 0;
    }

    const std::string_view raw(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string> args = SplitCommandLine(cp, raw);
    FUZZ_CHECK(!args.empty());
    for (const std::string& arg : args)
        FUZZ_CHECK(arg.find('\0') == std::string::npos);
    if (const std::optional<std::string> again = Quote(cp, args))
        CheckSame(SplitCommandLine(cp, *again), args, *again);
    CheckParse(cp, raw, args);
    CheckAbsolute(cp, args);
    return 0;
}
