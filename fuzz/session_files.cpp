// Fuzz target: the session files read at start-up: "LastVisit.ini" / "Visiting.ini" (the
// windows of a session) and "LastClose.ini" (the recently closed windows).
//
// The first input byte chooses: bit 0 generated lists, else the rest of the input is a file
// given to both readers. Whatever a reader takes from a file is a list it could have written
// itself: no empty address, no line break, at most 23 closed windows; written again, it
// reads back as it was (values as the INI store returns them: blanks around them dropped, one
// pair of quotes removed; control characters the program's writer made blanks). Generated lists are
// written (the closed windows by the program's own writer, the session in the file's format) and
// must read back whole, including the windows after one that had no title.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "base/PrivateProfile.h"
#include "frame/CMainFrame.h"
#include "frame/SessionFiles.h"
#include "frame/SessionFormat.h"
#include "frame/UndoCloseRing.h"
#include "support/FrameHarness.h"

namespace lumbrel::fuzz {
namespace {

// The readers and writers under test: the main frame's session files, over fakes.
class SessionFilesUnderTest {
public:
    static constexpr const char* kLastVisit = "C:\\Lumbrel\\User\\LastVisit.ini";
    static constexpr const char* kVisiting = "C:\\Lumbrel\\User\\Visiting.ini";
    static constexpr const char* kLastClose = "C:\\Lumbrel\\User\\LastClose.ini";

    std::vector<SessionEntry> ReadSession(const std::string& path) {
        return Files().ReadSession(path);
    }
    void WriteClosed(const std::vector<ClosedPage>& oldestFirst) {
        UndoCloseRing ring;
        for (const ClosedPage& page : oldestFirst)
            ring.Push(page.url, page.title);
        Files().SaveClosedList(ring);
    }
    std::vector<ClosedPage> ReadClosed() {
        UndoCloseRing ring;
        Files().LoadClosedList(ring);
        return ring.OldestFirst();
    }
    void PutFile(const std::string& path, const std::string& content) {
        harness_.platform.fs.AddFile(path, content);
    }
    void RemoveFile(const std::string& path) { harness_.platform.fs.DeleteFile(path); }
    PrivateProfile& Profiles() { return harness_.app->Profiles(); }

private:
    SessionFiles& Files() { return harness_.frame->Sessions(); }

    test::FrameHarness harness_;
};

constexpr size_t kUrlBytes = 2048;
constexpr size_t kClosedMost = UndoCloseRing::kSlots - 1;

// What the INI store returns for a value written as `value`.
std::string ReadBack(std::string_view value, size_t maxBytes = 4095) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    return std::string(UnquoteProfileValue(TrimProfileBlanks(value)).substr(0, maxBytes));
}

// What the INI store returns for a value the program wrote: its writer turns control
// characters into blanks, so a title keeps the text after a line break.
std::string WrittenBack(std::string_view value, size_t maxBytes = 4095) {
    return ReadBack(IniSafeValue(value), maxBytes);
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The session in the file's own format, as another copy of the program would write it.
void WriteSession(PrivateProfile& profiles, const std::string& path,
                  const std::vector<SessionEntry>& entries) {
    auto batch = profiles.BeginBatch(path);
    profiles.DeleteSection(path, "LastVisit");
    for (size_t n = 0; n < entries.size(); ++n) {
        const std::string number = std::to_string(n);
        profiles.WriteString(path, "LastVisit", "state" + number, std::to_string(entries[n].state));
        profiles.WriteString(path, "LastVisit", "name" + number, entries[n].name);
        profiles.WriteString(path, "LastVisit", "url" + number, entries[n].url);
    }
}

// What a reader gives back for `written`: every value as the store returns it, up to the
// first entry left without an address.
std::vector<SessionEntry> ExpectedSession(const std::vector<SessionEntry>& written) {
    std::vector<SessionEntry> expected;
    for (const SessionEntry& entry : written) {
        SessionEntry back{entry.state, ReadBack(entry.name), ReadBack(entry.url, kUrlBytes)};
        if (back.url.empty())
            break;
        expected.push_back(std::move(back));
    }
    return expected;
}

std::vector<ClosedPage> ExpectedClosed(const std::vector<ClosedPage>& pushed) {
    std::vector<ClosedPage> expected;
    const size_t first = pushed.size() > kClosedMost ? pushed.size() - kClosedMost : 0;
    for (size_t i = first; i < pushed.size(); ++i) {
        ClosedPage back{WrittenBack(pushed[i].url, kUrlBytes), WrittenBack(pushed[i].title)};
        if (back.url.empty())
            break;
        expected.push_back(std::move(back));
    }
    return expected;
}

void CheckSameSession(const std::vector<SessionEntry>& actual,
                      const std::vector<SessionEntry>& expected) {
    bool same = actual.size() == expected.size();
    for (size_t i = 0; same && i < actual.size(); ++i) {
        same = actual[i].state == expected[i].state && actual[i].name == expected[i].name &&
               actual[i].url == expected[i].url;
    }
    if (same)
        return;
    for (size_t i = 0; i < actual.size() || i < expected.size(); ++i) {
        if (i < actual.size())
            std::fprintf(stderr, "read     %zu: %d \"%s\" \"%s\"\n", i, actual[i].state,
                         Shown(actual[i].name).c_str(), Shown(actual[i].url).c_str());
        if (i < expected.size())
            std::fprintf(stderr, "expected %zu: %d \"%s\" \"%s\"\n", i, expected[i].state,
                         Shown(expected[i].name).c_str(), Shown(expected[i].url).c_str());
    }
    FUZZ_CHECK(same);
}

void CheckSameClosed(const std::vector<ClosedPage>& actual,
                     const std::vector<ClosedPage>& expected) {
    bool same = actual.size() == expected.size();
    for (size_t i = 0; same && i < actual.size(); ++i)
        same = actual[i].title == expected[i].title && actual[i].url == expected[i].url;
    if (same)
        return;
    for (size_t i = 0; i < actual.size() || i < expected.size(); ++i) {
        if (i < actual.size())
            std::fprintf(stderr, "read     %zu: \"%s\" \"%s\"\n", i, Shown(actual[i].title).c_str(),
                         Shown(actual[i].url).c_str());
        if (i < expected.size())
            std::fprintf(stderr, "expected %zu: \"%s\" \"%s\"\n", i,
                         Shown(expected[i].title).c_str(), Shown(expected[i].url).c_str());
    }
    FUZZ_CHECK(same);
}

void CheckSession(SessionFilesUnderTest& files, const std::vector<SessionEntry>& read) {
    for (const SessionEntry& entry : read) {
        FUZZ_CHECK(!entry.url.empty() && entry.url.size() <= kUrlBytes);
        FUZZ_CHECK(!HasLineBreakOrNul(entry.url) && !HasLineBreakOrNul(entry.name));
    }
    WriteSession(files.Profiles(), SessionFilesUnderTest::kVisiting, read);
    CheckSameSession(files.ReadSession(SessionFilesUnderTest::kVisiting), ExpectedSession(read));
}

void CheckClosed(SessionFilesUnderTest& files, const std::vector<ClosedPage>& read) {
    FUZZ_CHECK(read.size() <= kClosedMost);
    for (const ClosedPage& page : read) {
        FUZZ_CHECK(!page.url.empty() && page.url.size() <= kUrlBytes);
        FUZZ_CHECK(!HasLineBreakOrNul(page.url) && !HasLineBreakOrNul(page.title));
    }
    files.WriteClosed(read);
    CheckSameClosed(files.ReadClosed(), ExpectedClosed(read));
}

std::string DrawValue(FuzzedDataProvider& in, size_t maxBytes) {
    // Mostly plain text, now and then a blank, a quote or a line break at an end.
    std::string value = in.ConsumeRandomLengthString(maxBytes);
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
            return " " + value;
        case 1:
            return "'" + value + "'";
        case 2:
            return value + "\r\nurl0=injected";
        default:
            return value;
    }
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumbrel;
    using namespace lumbrel::fuzz;
    static SessionFilesUnderTest files;
    if (size == 0)
        return 0;
    files.RemoveFile(SessionFilesUnderTest::kVisiting);

    if ((data[0] & 1) == 0) {
        const std::string content(reinterpret_cast<const char*>(data + 1), size - 1);
        files.PutFile(SessionFilesUnderTest::kLastVisit, content);
        files.PutFile(SessionFilesUnderTest::kLastClose, content);
        CheckSession(files, files.ReadSession(SessionFilesUnderTest::kLastVisit));
        CheckClosed(files, files.ReadClosed());
        return 0;
    }

    FuzzedDataProvider in(data + 1, size - 1);
    std::vector<SessionEntry> session(in.ConsumeIntegralInRange<size_t>(0, 12));
    for (SessionEntry& entry : session)
        entry = {in.ConsumeIntegral<int>(), DrawValue(in, 24), DrawValue(in, 40)};
    WriteSession(files.Profiles(), SessionFilesUnderTest::kLastVisit, session);
    CheckSameSession(files.ReadSession(SessionFilesUnderTest::kLastVisit),
                     ExpectedSession(session));

    std::vector<ClosedPage> closed(in.ConsumeIntegralInRange<size_t>(0, 30));
    for (ClosedPage& page : closed) {
        page.url = "http://" + DrawValue(in, 24);
        page.title = DrawValue(in, 24);
    }
    files.WriteClosed(closed);
    CheckSameClosed(files.ReadClosed(), ExpectedClosed(closed));
    return 0;
}
