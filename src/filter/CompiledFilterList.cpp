#include "filter/CompiledFilterList.h"

#include <utility>

#include "base/DbcsText.h"

namespace lumbrel {
namespace {

bool HasStar(std::string_view entry) {
    return entry.find('*') != std::string_view::npos;
}

// Texts end to end in one buffer, read back as views once every text is in.
class TextRun {
public:
    void Reserve(size_t count, size_t bytes) {
        ends_.reserve(count);
        bytes_.reserve(bytes);
    }
    void Add(std::string_view text) {
        ends_.push_back(bytes_.size() + text.size());
        bytes_.append(text);
    }
    // Adds `text` lower-cased: only one-byte characters fold, a trail byte stays.
    void AddLower(const CodePage& cp, std::string_view text) {
        size_t begin = bytes_.size();
        Add(text);
        for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
            char& c = bytes_[begin + pos];
            if (len == 1 && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
    }
    // The texts as views into `bytes`, which holds what Bytes() held.
    std::vector<std::string_view> Views(std::string_view bytes) const {
        std::vector<std::string_view> views;
        views.reserve(ends_.size());
        size_t begin = 0;
        for (size_t end : ends_) {
            views.push_back(bytes.substr(begin, end - begin));
            begin = end;
        }
        return views;
    }
    std::string_view View() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
    std::vector<size_t> ends_;
};

}  // namespace

void CompiledFilterList::Clear() {
    exact_.Clear();
    patterns_.Clear();
    patternText_.clear();
    patternText_.shrink_to_fit();
}

void CompiledFilterList::Build(const std::vector<std::string>& entries, MatchStyle style) {
    Clear();
    TextRun exact;
    TextRun patterns;
    size_t bytes = 0;
    for (const std::string& entry : entries)
        bytes += entry.size();
    exact.Reserve(entries.size(), bytes);
    for (const std::string& entry : entries) {
        if (style == MatchStyle::Url) {
            // Folding case changes no blank and no character boundary, so trimming first
            // gives the same text.
            std::string_view trimmed = TrimBlanks(*cp_, entry);
            (HasStar(trimmed) ? patterns : exact).AddLower(*cp_, trimmed);
        } else {
            exact.Add(entry);
            if (HasStar(entry) && entry != "*")
                patterns.Add(entry);
        }
    }
    exact_.Assign(exact.Views(exact.View()));
    patternText_ = patterns.Take();
    patterns_.Build(patterns.Views(patternText_), style);
}

bool CompiledFilterList::Contains(std::string_view text) const {
    return exact_.Contains(text) || patterns_.AnyMatches(*cp_, text);
}

size_t CompiledFilterList::MemoryBytes() const {
    return exact_.MemoryBytes() + patternText_.capacity() + patterns_.MemoryBytes();
}

}  // namespace lumbrel
