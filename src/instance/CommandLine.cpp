#include "instance/CommandLine.h"

#include "base/DbcsText.h"
#include "base/Paths.h"

namespace lumbrel {
namespace {

bool IsArgBlank(char c) {
    return c == ' ' || c == '\t';
}

// The program name and the offset where the arguments start. A quoted name takes everything
// up to the next quote, blanks and backslashes included, since it is a file path.
std::string ReadProgramName(const CodePage& cp, std::string_view line, size_t& end) {
    std::string name;
    size_t pos = 0;
    if (!line.empty() && line[0] == '"') {
        pos = 1;
        while (pos < line.size() && line[pos] != '"') {
            size_t len = CharLength(cp, line, pos);
            name.append(line.substr(pos, len));
            pos += len;
        }
        end = pos < line.size() ? pos + 1 : pos;
        return name;
    }
    while (pos < line.size() && !IsArgBlank(line[pos])) {
        size_t len = CharLength(cp, line, pos);
        name.append(line.substr(pos, len));
        pos += len;
    }
    end = pos;
    return name;
}

// One argument starting at `pos` (not a blank); `pos` ends after it. An argument ends only
// outside quotes, so each one starts unquoted.
std::string ReadArgument(const CodePage& cp, std::string_view line, size_t& pos) {
    std::string arg;
    bool inQuote = false;
    for (;;) {
        size_t slashes = 0;
        while (pos < line.size() && line[pos] == '\\') {
            ++pos;
            ++slashes;
        }
        bool copy = true;
        if (pos < line.size() && line[pos] == '"') {
            if (slashes % 2 == 0) {
                if (inQuote && pos + 1 < line.size() && line[pos + 1] == '"')
                    ++pos;  // "" inside quotes: the second one is copied
                else
                    copy = false;
                inQuote = !inQuote;
            }
            slashes /= 2;
        }
        arg.append(slashes, '\\');
        if (pos >= line.size() || (!inQuote && IsArgBlank(line[pos])))
            return arg;
        size_t len = CharLength(cp, line, pos);
        if (copy)
            arg.append(line.substr(pos, len));
        pos += len;
    }
}

// The first server switch among the words after the program name. Neither a blank nor "-"
// nor "/" can be the trail byte of a double-byte character, so a byte scan finds the words.
void ScanServerSwitches(const CodePage& cp, std::string_view args, CommandLineInfo& info) {
    size_t pos = 0;
    while (pos < args.size()) {
        while (pos < args.size() && IsArgBlank(args[pos]))
            ++pos;
        size_t start = pos;
        while (pos < args.size() && !IsArgBlank(args[pos]))
            ++pos;
        std::string_view word = args.substr(start, pos - start);
        if (word.size() < 2 || (word[0] != '-' && word[0] != '/'))
            continue;
        word.remove_prefix(1);
        if (EqualsNoCase(cp, word, "UnregServer")) {
            info.unregServer = true;
            return;
        }
        if (EqualsNoCase(cp, word, "RegServer")) {
            info.regServer = true;
            return;
        }
    }
}

std::string_view UpToNul(std::string_view raw) {
    return raw.substr(0, raw.find('\0'));
}

}  // namespace

std::vector<std::string> SplitCommandLine(const CodePage& cp, std::string_view raw) {
    std::string_view line = UpToNul(raw);
    size_t pos = 0;
    std::vector<std::string> args{ReadProgramName(cp, line, pos)};
    for (;;) {
        while (pos < line.size() && IsArgBlank(line[pos]))
            ++pos;
        if (pos >= line.size())
            return args;
        args.push_back(ReadArgument(cp, line, pos));
    }
}

CommandLineInfo ParseCommandLine(const CodePage& cp, std::string_view raw) {
    CommandLineInfo info;
    std::vector<std::string> args = SplitCommandLine(cp, raw);
    for (size_t i = 1; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (!arg.empty() && (arg[0] == '-' || arg[0] == '/')) {
            arg.remove_prefix(1);
            if (EqualsNoCase(cp, arg, "Embedding"))
                info.embedding = true;
            else if (EqualsNoCase(cp, arg, "Automation"))
                info.automation = true;
        } else if (info.fileName.empty()) {
            info.fileName = arg;
        }
    }
    if (!info.fileName.empty())
        info.command = ShellCommand::Open;

    std::string_view line = UpToNul(raw);
    size_t argsStart = 0;
    ReadProgramName(cp, line, argsStart);
    ScanServerSwitches(cp, line.substr(argsStart), info);
    return info;
}

std::string AbsoluteFileArgument(const CodePage& cp, FileSystem& fs, const std::string& argument,
                                 const std::string& currentFolder) {
    // A scheme ("http:", "about:") or a drive ("C:") means the argument is not relative.
    if (argument.empty() || currentFolder.empty() || PathRootLength(cp, argument) != 0 ||
        argument.find(':') != std::string::npos)
        return argument;
    std::string_view relative = argument;
    if (relative.size() >= 2 && relative[0] == '.' && IsPathSeparator(relative[1]))
        relative.remove_prefix(2);
    std::string full(StripTrailingSeparators(cp, currentFolder));
    if (!IsPathSeparator(full.back()))
        full += '\\';
    full += relative;
    return fs.Exists(full) ? full : argument;
}

}  // namespace lumbrel
