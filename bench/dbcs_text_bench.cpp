// The DBCS-aware search is the inner step of URL filter matching, run for every request a
// page makes; the walk asks the code page about each byte.
#include <benchmark/benchmark.h>

#include <string>

#include "base/DbcsText.h"
#include "support/FakeCodePage.h"

namespace {

using lumbrel::test::FakeCodePage;

const std::string kUrl =
    "http://ads.example.com/banner/show.php?zone=18&size=468x60&ref=http%3A%2F%2Fnews.example."
    "org%2F2024%2F05%2Farticle-about-something.html&cb=1715611234";

void FindSubstringInUrl(benchmark::State& state) {
    FakeCodePage cp(static_cast<unsigned>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumbrel::FindSubstring(cp, kUrl, "cb="));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kUrl.size()));
}
BENCHMARK(FindSubstringInUrl)->Arg(FakeCodePage::kWestern)->Arg(FakeCodePage::kGbk);

void LowerCaseUrl(benchmark::State& state) {
    FakeCodePage cp(static_cast<unsigned>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumbrel::ToLowerAscii(cp, kUrl));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kUrl.size()));
}
BENCHMARK(LowerCaseUrl)->Arg(FakeCodePage::kWestern)->Arg(FakeCodePage::kGbk);

}  // namespace

BENCHMARK_MAIN();
