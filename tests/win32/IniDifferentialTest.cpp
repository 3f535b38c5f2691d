// Plays the same reads and writes on the program's INI store (over Win32FileSystem) and on
// kernel32's private-profile functions, each on its own file with the same starting content,
// and compares every result and, after every write, the two files.
//
// The files are compared line by line after dropping blank lines and the blanks around names,
// '=' and values: kernel32 rewrites the whole file on every write (normalising each line and
// dropping blank lines), while the store keeps the lines it did not change as the user wrote
// them.
//
// Where kernel32 (as Wine implements it) is unsound, the store differs on purpose and the
// comparison is adjusted at exactly that point; each place says why:
//  - GetPrivateProfileStringA cuts a quoted value one character short when the buffer is
//    exactly one longer than the unquoted value: such reads are counted as skipped.
//  - Deletes and whole-section/key-list reads do not trim the names given, unlike every other
//    call: the peer gets the trimmed names.
//  - GetPrivateProfileSectionA returns values with their quotes and lines without '=': its
//    result is mapped to the store's form (quotes removed, such lines left out).
// The store's deletes remove every duplicate of a key or section, where kernel32 removes the
// first match only (so an older duplicate shows through); no script here deletes from a file
// with duplicates.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "base/PrivateProfile.h"
#include "win32/platform/Win32FileSystem.h"

namespace lumbrel::win32 {
namespace {

std::string Trim(std::string_view text) {
    return std::string(TrimProfileBlanks(text));
}

std::vector<std::string> SplitNulList(const char* buffer, DWORD length) {
    std::vector<std::string> items;
    for (DWORD i = 0; i < length;) {
        std::string item(buffer + i);
        i += static_cast<DWORD>(item.size()) + 1;
        items.push_back(std::move(item));
    }
    return items;
}

// The file's lines with blank lines and blanks around names, '=' and values dropped.
std::vector<std::string> CanonicalLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trim(std::string_view(text).substr(pos, end - pos));
        pos = end + 1;
        if (line.empty())
            continue;
        size_t close = line.rfind(']');
        size_t equals = line.find('=');
        if (line[0] == '[' && close != std::string::npos)
            line = "[" + Trim(line.substr(1, close - 1)) + "]" + line.substr(close + 1);
        else if (equals != std::string::npos)
            line = Trim(line.substr(0, equals)) + "=" + Trim(line.substr(equals + 1));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items)
        joined += item + "|";
    return joined;
}

class IniDifferentialTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(::GetTempPathA(MAX_PATH, temp), 0u);
        std::string base =
            std::string(temp) + "lumbrel-ini-" + std::to_string(::GetCurrentProcessId()) + "-";
        ours = base + "ours.ini";
        peer = base + "peer.ini";
    }
    void TearDown() override {
        ::DeleteFileA(ours.c_str());
        ::DeleteFileA(peer.c_str());
        std::printf(
            "%s: %d operations compared with kernel32, %d reads skipped (quoted-value "
            "cut)\n",
            ::testing::UnitTest::GetInstance()->current_test_info()->name(), compared, skipped);
    }

    // Both files get `content` as raw bytes, as another program would write them.
    void Start(const std::string& content) {
        for (const std::string& path : {ours, peer}) {
            FILE* file = std::fopen(path.c_str(), "wb");
            ASSERT_TRUE(file);
            std::fwrite(content.data(), 1, content.size(), file);
            std::fclose(file);
        }
    }

    void Get(const std::string& section, const std::string& key, DWORD size = 256,
             const char* def = "<dflt>") {
        std::string buffer(size + 1, '#');
        DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), def, buffer.data(),
                                                  size, peer.c_str());
        std::string theirs = buffer.substr(0, length);
        std::string mine = store.GetString(ours, section, key, def, size);
        if (theirs != mine && IsQuotedCutQuirk(section, key, size, theirs, mine)) {
            ++skipped;
            return;
        }
        ++compared;
        EXPECT_EQ(mine, theirs) << Where("Get", section, key) << " size " << size;
    }

    // kernel32 copies the value after its opening quote and then drops the last character
    // when the buffer held it all; with a buffer of exactly the unquoted length + 1 that is a
    // real character, not the closing quote.
    bool IsQuotedCutQuirk(const std::string& section, const std::string& key, DWORD size,
                          const std::string& theirs, const std::string& mine) {
        std::string whole = store.GetString(ours, section, key, "", 65536);
        return size == whole.size() + 1 && mine == whole &&
               theirs == whole.substr(0, whole.size() - 1);
    }

    void GetInt(const std::string& section, const std::string& key, int def = 7) {
        int theirs = static_cast<int>(
            ::GetPrivateProfileIntA(section.c_str(), key.c_str(), def, peer.c_str()));
        ++compared;
        EXPECT_EQ(store.GetInt(ours, section, key, def), theirs) << Where("Int", section, key);
    }

    void KeyNames(const std::string& section) {
        std::vector<char> buffer(1 << 20);
        DWORD length = ::GetPrivateProfileStringA(Trim(section).c_str(), nullptr, "", buffer.data(),
                                                  buffer.size(), peer.c_str());
        ++compared;
        EXPECT_EQ(Joined(store.GetKeyNames(ours, section)),
                  Joined(SplitNulList(buffer.data(), length)))
            << Where("KeyNames", section, "");
    }

    void Section(const std::string& section) {
        std::vector<char> buffer(1 << 20);
        DWORD length = ::GetPrivateProfileSectionA(Trim(section).c_str(), buffer.data(),
                                                   buffer.size(), peer.c_str());
        std::vector<std::string> theirs;
        for (const std::string& line : SplitNulList(buffer.data(), length)) {
            size_t equals = line.find('=');
            if (equals == std::string::npos)
                continue;
            theirs.push_back(line.substr(0, equals) + "=" +
                             std::string(UnquoteProfileValue(line.substr(equals + 1))));
        }
        std::vector<std::string> mine;
        for (const ProfileEntry& entry : store.GetSection(ours, section))
            mine.push_back(entry.key + "=" + entry.value);
        ++compared;
        EXPECT_EQ(Joined(mine), Joined(theirs)) << Where("Section", section, "");
    }

    void SectionNames() {
        std::vector<char> buffer(1 << 16);
        DWORD length = ::GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(),
                                                  buffer.size(), peer.c_str());
        ++compared;
        EXPECT_EQ(Joined(store.GetSectionNames(ours)), Joined(SplitNulList(buffer.data(), length)));
    }

    void Write(const std::string& section, const std::string& key, const std::string& value) {
        bool theirs =
            ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), peer.c_str());
        bool mine = store.WriteString(ours, section, key, value);
        ++compared;
        EXPECT_EQ(mine, theirs) << Where("Write", section, key) << " = " << value;
        CompareFiles(Where("Write", section, key) + " = " + value);
    }

    void DeleteKey(const std::string& section, const std::string& key) {
        bool theirs = ::WritePrivateProfileStringA(Trim(section).c_str(), Trim(key).c_str(),
                                                   nullptr, peer.c_str());
        bool mine = store.DeleteKey(ours, section, key);
        ++compared;
        EXPECT_EQ(mine, theirs);
        CompareFiles(Where("DeleteKey", section, key));
    }

    void DeleteSection(const std::string& section) {
        bool theirs =
            ::WritePrivateProfileStringA(Trim(section).c_str(), nullptr, nullptr, peer.c_str());
        bool mine = store.DeleteSection(ours, section);
        ++compared;
        EXPECT_EQ(mine, theirs);
        CompareFiles(Where("DeleteSection", section, ""));
    }

    void CompareFiles(const std::string& after) {
        ++compared;
        EXPECT_EQ(Joined(CanonicalLines(files.ReadFile(ours).value_or(""))),
                  Joined(CanonicalLines(files.ReadFile(peer).value_or(""))))
            << "files differ after " << after;
    }

    static std::string Where(const char* op, const std::string& section, const std::string& key) {
        return std::string(op) + "([" + section + "] <" + key + ">)";
    }

    Win32FileSystem files;
    PrivateProfile store{files};
    std::string ours;
    std::string peer;
    int compared = 0;
    int skipped = 0;
};

TEST_F(IniDifferentialTest, BlanksAroundNamesAndValues) {
    Start("[S]\r\nkey1 = value1\r\nkey2=  v2  \r\nkey 3 = a  b\r\n  [ T ]  \r\nt = 1\r\n");
    for (const char* key : {"key1", " key1 ", "key2", "key 3", "key  3", "\tkey2\t"})
        Get("S", key);
    Get(" S ", "key1");
    Get("T", "t");
    Get(" t\t", " T ");
    SectionNames();
    Write(" S ", " key4 ", "  four  ");
    Write(" New ", " k ", " v ");
    Write("S", " KEY1 ", "  one");
    Get("new", "K");
    Section("New");
}

TEST_F(IniDifferentialTest, QuotesAroundValues) {
    Start(
        "[Q]\r\nq1=\"quoted value\"\r\nq2=\"  spaced  \"\r\nq3=\"unbalanced\r\nq4=a \"mid\" b\r\n"
        "q5='single'\r\nq6=\"\"\r\nq7=\"x\"\r\nq8=\"\r\nq9='mixed\"\r\n");
    for (const char* key : {"q1", "q2", "q3", "q4", "q5", "q6", "q7", "q8", "q9"}) {
        for (DWORD size : {1u, 2u, 3u, 4u, 12u, 13u, 256u})
            Get("Q", key, size);
        GetInt("Q", key);
    }
    Section("Q");
    Write("Q", "w1", "\"written quoted\"");
    Write("Q", "w2", "  lead/trail  ");
    Get("Q", "w1");
    Get("Q", "w2");
}

TEST_F(IniDifferentialTest, CaseOfNames) {
    Start("[MixedCase]\r\nMyKey=1\r\n");
    Get("mixedcase", "mykey");
    Get("MIXEDCASE", "MYKEY");
    Write("MIXEDCASE", "MYKEY", "2");
    Write("mixedCASE", "NewKey", "3");
    Write("OTHER", "Key", "4");
    KeyNames("mixedcase");
    SectionNames();
}

TEST_F(IniDifferentialTest, WhereNewKeysAndSectionsLand) {
    Start("[A]\r\na1=1\r\n; trailing comment in A\r\n\r\n[B]\r\nb1=1\r\n");
    Write("A", "a2", "2");
    Write("C", "c1", "3");
    Write("A", "a1", "changed");
    Write("B", "b2", "");
    Write("", "top", "t");
    Get("", "top");
    Get("B", "b2", 256, "DEF");
    Get("B", "missing", 256, "DEF  ");
    Get("B", "missing", 5, "defaultvalue");
    GetInt("B", "b2");
}

TEST_F(IniDifferentialTest, DeletingKeysAndSections) {
    Start(
        "[K]\r\nk1=1\r\n; comment in K\r\nk2=2\r\n[Gone]\r\ng=1\r\n; comment in Gone\r\n"
        "[Keep]\r\nz=1\r\n");
    DeleteKey("K", "k1");
    DeleteSection("Gone");
    DeleteKey("K", "nope");
    DeleteSection("NoSuchSection");
    DeleteKey(" k ", " K2 ");
    Write("K", "k1", "back");
    SectionNames();
}

TEST_F(IniDifferentialTest, LineEnds) {
    Start("[S]\r\nfirst=1\r\nlast=val");
    Get("S", "last");
    Write("S", "added", "x");
    Start("[S]\nk=v\n[T]\nk=w\n");
    Get("T", "k");
    Write("S", "n", "1");
    Start("[S]\rk=1\r[T]\r\n\r\nt=2");
    Get("S", "k");
    Get("T", "t");
    Write("T", "u", "3");
}

TEST_F(IniDifferentialTest, DuplicateSectionsAndKeys) {
    Start(
        "[D]\r\nk=first\r\nk=second\r\n[Other]\r\no=1\r\n[D]\r\nk=third\r\n"
        "k2=only-in-second\r\n");
    Get("D", "k");
    Get("D", "k2");
    KeyNames("D");
    Section("D");
    SectionNames();
    Write("D", "k", "new");
    Write("D", "k3", "added");
}

TEST_F(IniDifferentialTest, CutValues) {
    Start("[L]\r\nlong=" + std::string(5000, 'v') + "\r\nshort=abc\r\nq=\"quoted\"\r\n[M]\r\n" +
          "[H]\r\nhuge=" + std::string(5000, 'h') + "\r\nafter=ok\r\n");
    for (DWORD size : {0u, 1u, 2u, 3u, 4u, 7u, 8u, 10u, 8192u}) {
        Get("L", "long", size);
        Get("L", "short", size);
        Get("L", "q", size);
        Get("L", "missing", size, "defaultvalue");
    }
    Get("H", "huge", 8192);
    Get("H", "after");
}

TEST_F(IniDifferentialTest, CommentsAndMalformedLines) {
    Start(
        "[C]\r\n;k=commented\r\n  ; indented=comment\r\nk=v ; not a comment?\r\n#hash=1\r\n"
        "novalue\r\n=emptykey\r\n  [Indented]\r\ni=1\r\n[a]b]\r\nx=1\r\n[nobracket\r\n");
    for (const char* key : {";k", "; indented", "k", "#hash", "novalue", "", "[nobracket"})
        Get("C", key);
    Get("Indented", "i");
    Get("a]b", "x");
    KeyNames("C");
    Section("C");
    Section("a]b");
    SectionNames();
    Write("C", "added", "1");
    Write("Indented", "j", "2");
}

TEST_F(IniDifferentialTest, Integers) {
    const char* values[] = {" 42 ",       "0x10",        "-5",
                            "abc",        "12abc",       "",
                            "0X10",       "0o17",        "0b101",
                            "\"42\"",     "99999999999", "-0x10",
                            "+7",         "- 5",         "0x",
                            "4294967295", "-2147483649", "1234567890123456789012345678901234",
                            "0xffFFffFF", "08",          "'-3'",
                            "\"\""};
    std::string content = "[I]\r\n";
    for (size_t i = 0; i < std::size(values); ++i)
        content += "k" + std::to_string(i) + "=" + values[i] + "\r\n";
    Start(content);
    for (size_t i = 0; i < std::size(values); ++i)
        GetInt("I", "k" + std::to_string(i));
    GetInt("I", "missing");
    GetInt("Missing", "k0", -9);
}

TEST_F(IniDifferentialTest, MissingFileAndExternalRewrites) {
    Get("S", "k");
    GetInt("S", "k");
    SectionNames();
    Write("S", "k", "v");
    Start("[S]\r\nk=old\r\n");
    Get("S", "k");
    Start("[S]\r\nk=new\r\n");
    Get("S", "k");
    Start("[S]\r\nk=longer\r\n");
    Get("S", "k");
    ::DeleteFileA(ours.c_str());
    ::DeleteFileA(peer.c_str());
    Get("S", "k");
    std::string orphan = ours.substr(0, ours.rfind('\\')) + "\\no-such-folder\\x.ini";
    EXPECT_FALSE(store.WriteString(orphan, "S", "k", "v"));
    EXPECT_FALSE(::WritePrivateProfileStringA("S", "k", "v", orphan.c_str()));
    compared += 1;
}

// ---- Random operations with a fixed seed ----

class RandomScript {
public:
    explicit RandomScript(uint32_t seed) : random_(seed) {}

    // A name as a caller might spell it: any case, sometimes with blanks around it.
    std::string Vary(const std::string& name) {
        static const char* const kBlanks[] = {"", "", "", " ", "  ", "\t"};
        std::string varied = kBlanks[Pick(std::size(kBlanks))];
        for (char c : name) {
            bool flip = Pick(4) == 0 && std::isalpha(static_cast<unsigned char>(c));
            varied += flip ? static_cast<char>(c ^ 0x20) : c;
        }
        return varied + kBlanks[Pick(std::size(kBlanks))];
    }
    std::string Section() { return Vary(kSections[Pick(std::size(kSections))]); }
    std::string Key() { return Vary(kKeys[Pick(std::size(kKeys))]); }
    std::string Value() { return kValues[Pick(std::size(kValues))]; }
    DWORD Size() { return Pick(3) == 0 ? 256 : 1 + static_cast<DWORD>(Pick(12)); }
    size_t Pick(size_t count) { return random_() % count; }

private:
    static constexpr const char* kSections[] = {"Settings", "TabStyle", "Mouse", "Filter",
                                                "Search"};
    static constexpr const char* kKeys[] = {"KillPop", "MaxWins", "url1",   "url2",
                                            "Height",  "BGColor", "LinkUp", "x"};
    static constexpr const char* kValues[] = {
        "",
        "1",
        "0",
        "-5",
        "0x1F",
        " spaced ",
        "\"quoted\"",
        "'single'",
        "a \"mid\" b",
        "http://www.example.com/path?q=1&r=2",
        "12abc",
        "#FFFFFF",
        "; semi",
        "x=y",
        "\"\"",
        "a long value with words, punctuation; and = signs that goes on for a while"};
    std::mt19937 random_;
};

TEST_F(IniDifferentialTest, RandomReadsWritesAndDeletes) {
    Start(
        "; Lumbrel settings\r\n[Settings]\r\nKillPop=1\r\nMaxWins = 100\r\n; window\r\n"
        "Height=500\r\n\r\n[TabStyle]\r\nTabPos=0\r\nBGColor=\"#FFFFFF\"\r\n\r\n[Mouse]\r\n"
        "LinkUp=9\r\n");
    RandomScript script(20240611);
    for (int i = 0; i < 1500 && !HasFailure(); ++i) {
        size_t op = script.Pick(100);
        if (op < 35) {
            Get(script.Section(), script.Key(), script.Size());
        } else if (op < 45) {
            GetInt(script.Section(), script.Key());
        } else if (op < 50) {
            KeyNames(script.Section());
        } else if (op < 55) {
            Section(script.Section());
        } else if (op < 58) {
            SectionNames();
        } else if (op < 88) {
            Write(script.Section(), script.Key(), script.Value());
        } else if (op < 97) {
            DeleteKey(script.Section(), script.Key());
        } else {
            DeleteSection(script.Section());
        }
    }
    EXPECT_GE(compared, 1500);
}

}  // namespace
}  // namespace lumbrel::win32
