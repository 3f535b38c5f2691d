// The content filter at the speed of the engine's requests. Loads a "Filter.ini", compiles
// its content lists and asks, for every address of a file (one a line), whether the handler
// would answer it with the blank image: matched by "UrlFilter" and by no "UrlUnFilter" entry.
//
//   filter_bench --filter FILE.ini --urls FILE [--print]
//       --print: one line per address, 1 blocked, 0 not. Otherwise: compile time, bytes of
//       the compiled lists, and the time per address (p50, p99, max) over several passes.
//   filter_bench --generate RULES DIR
//       writes DIR/Filter.ini with RULES content entries (about 2% with stars, the rest
//       exact addresses) and DIR/urls.txt with addresses of which about a fifth are blocked.
//   filter_bench [Google Benchmark flags]
//       generates lists of 10,000, 100,000 and 1,000,000 entries in a temporary folder and
//       reports each, as `make bench` runs it.
//
// Addresses are lower-cased when read, as the handler does before it asks the lists; the
// time per address is that of the lookup alone.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/DbcsText.h"
#include "base/PrivateProfile.h"
#include "filter/FilterListFile.h"
#include "filter/FilterLists.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"

namespace {

using namespace lumbrel;
using Clock = std::chrono::steady_clock;

bool ReadWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

std::vector<std::string> ReadLines(const std::string& text, const CodePage& cp) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(ToLowerAscii(cp, line));
    }
    return lines;
}

struct Loaded {
    FilterListsCopy lists;
    double compileMs = 0;
};

int Run(const std::string& filterPath, const std::string& urlsPath, bool print) {
    test::FakeCodePage cp;
    std::string iniText;
    std::string urlText;
    if (!ReadWholeFile(filterPath, iniText) || !ReadWholeFile(urlsPath, urlText)) {
        std::cerr << "filter_bench: cannot read " << filterPath << " or " << urlsPath << "\n";
        return 2;
    }
    test::FakeFileSystem fs;
    fs.AddFile("C:\\Filter.ini", iniText);
    PrivateProfile store(fs);
    FilterLists lists(cp);
    FilterListsCopy copy = FilterListFile::Read(store, cp, "C:\\Filter.ini");
    std::vector<std::string> urls = ReadLines(urlText, cp);

    const size_t rules = copy.urlFilter.size();
    const size_t exceptions = copy.urlUnFilter.size();
    // Wall time counts whatever else the machine runs meanwhile; the processor time of this
    // single-threaded program is the compile's own cost.
    auto start = Clock::now();
    std::clock_t cpuStart = std::clock();
    lists.SetUrlLists(std::move(copy.urlFilter), std::move(copy.urlUnFilter));
    double compileCpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    double compileMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    if (print) {
        std::string out;
        for (const std::string& url : urls)
            out += lists.IsUrlBlocked(url) ? "1\n" : "0\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
        return 0;
    }

    constexpr int kPasses = 5;
    std::vector<double> nanos;
    nanos.reserve(urls.size() * kPasses);
    size_t blocked = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (const std::string& url : urls) {
            auto t0 = Clock::now();
            bool b = lists.IsUrlBlocked(url);
            auto t1 = Clock::now();
            blocked += b;
            nanos.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
        }
    }
    std::sort(nanos.begin(), nanos.end());
    auto at = [&](double q) { return nanos.empty() ? 0.0 : nanos[size_t(q * (nanos.size() - 1))]; };
    std::printf(
        "rules %zu (+%zu exceptions), urls %zu, blocked %zu | compile %.1f ms (processor %.1f ms) "
        "| compiled %.2f MB "
        "| per url p50 %.3f us, p99 %.3f us, max %.3f us\n",
        rules, exceptions, urls.size(), blocked / kPasses, compileMs, compileCpuMs,
        double(lists.CompiledUrlBytes()) / (1024 * 1024), at(0.50) / 1000, at(0.99) / 1000,
        nanos.empty() ? 0.0 : nanos.back() / 1000);
    return 0;
}

// Lists shaped like a large advertisement list: most entries whole addresses of images and
// scripts, a few patterns for hosts, paths and file kinds.
void Generate(size_t rules, const std::string& dir) {
    std::mt19937 rng(1234567u + static_cast<unsigned>(rules));
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    const size_t hosts = std::max<size_t>(rules / 20, 50);
    auto host = [&](size_t h) {
        return "ads" + std::to_string(h) + ".adnet" + std::to_string(h % 97) + ".com";
    };
    auto exact = [&](size_t i) {
        return "http://" + host(i % hosts) + "/banner/" + std::to_string(i) + "/ad" +
               std::to_string(i * 7 % 1000) + (i % 3 ? ".gif" : ".js");
    };
    // Patterns sit at every fiftieth entry; their kind turns with each one.
    auto pattern = [&](size_t i) -> std::string {
        switch (i / 50 % 5) {
            case 0:
                return "http://tracker" + std::to_string(i) + ".example.net/*";
            case 1:
                return "*/adserve" + std::to_string(i) + "/*";
            case 2:
                return "*.popads" + std::to_string(i) + ".org/*";
            case 3:
                return "http://cdn" + std::to_string(i) + ".media.com/*.swf";
            default:
                return "*adid=" + std::to_string(i) + "&*";
        }
    };
    std::string ini = "[UrlFilter]\r\n";
    for (size_t i = 0; i < rules; ++i) {
        std::string entry = (i % 50 == 7) ? pattern(i) : exact(i);
        ini += "url" + std::to_string(i + 1) + "=" + entry + "\r\n";
    }
    ini += "[UrlUnFilter]\r\n";
    for (size_t i = 0; i < 20; ++i)
        ini += "url" + std::to_string(i + 1) + "=" + exact(i * 31) + "\r\n";

    std::string urls;
    for (size_t n = 0; n < 100000; ++n) {
        size_t i = pick(rules);
        switch (pick(6)) {
            case 0:
                urls += exact(i);
                break;
            case 1:
                urls += "http://tracker" + std::to_string(i - i % 50 + 7) +
                        ".example.net/p?x=" + std::to_string(n);
                break;
            case 2:
                urls += "http://www.site" + std::to_string(pick(5000)) + ".com/adserve" +
                        std::to_string(pick(rules)) + "/x.html";
                break;
            case 3:
                urls += "http://img" + std::to_string(pick(100)) + ".news.com/2024/" +
                        std::to_string(n) + "/photo.jpg?w=640&adid=" + std::to_string(pick(rules));
                break;
            default:
                urls += "http://www.example" + std::to_string(pick(20000)) + ".com/articles/" +
                        std::to_string(n) + "/index.html?ref=home&utm_source=news";
        }
        urls += "\n";
    }
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/Filter.ini", std::ios::binary) << ini;
    std::ofstream(dir + "/urls.txt", std::ios::binary) << urls;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string filter, urls;
    bool print = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--filter" && i + 1 < args.size())
            filter = args[++i];
        else if (args[i] == "--urls" && i + 1 < args.size())
            urls = args[++i];
        else if (args[i] == "--print")
            print = true;
        else if (args[i] == "--generate" && i + 2 < args.size()) {
            Generate(std::stoul(args[i + 1]), args[i + 2]);
            return 0;
        }
    }
    if (!filter.empty() || !urls.empty()) {
        if (filter.empty() || urls.empty()) {
            std::cerr << "usage: filter_bench --filter FILE.ini --urls FILE [--print]\n";
            return 2;
        }
        return Run(filter, urls, print);
    }
    auto dir = std::filesystem::temp_directory_path() / "lumbrel-filter-bench";
    for (size_t rules : {10000, 100000, 1000000}) {
        std::string sub = (dir / std::to_string(rules)).string();
        Generate(rules, sub);
        if (int rc = Run(sub + "/Filter.ini", sub + "/urls.txt", false))
            return rc;
    }
    std::filesystem::remove_all(dir);
    return 0;
}
