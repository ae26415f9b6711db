// Google Benchmark: the per-number sweep `rec` against the fast fill, on the
// tries and numbers of the large and dense workloads. Items are numbers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fill.h"
#include "sweep.h"
#include "trie.h"
#include "workload.h"

namespace {

struct Case {
  std::vector<std::string> numberKeys;
  std::vector<std::uint32_t> numbers;
};

// Builds the workload's trie and returns its numbers.
Case load(const char* name) {
  const Workload& w = *std::find_if(workloads().begin(), workloads().end(),
                                    [name](const Workload& x) { return std::string(x.name) == name; });
  const std::string text = makeInput(w);
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find_first_of(" \n", at);
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  resetTrie();
  Case c;
  for (int i = 0; i < w.numbers; ++i) {
    c.numberKeys.push_back(words[2 + i]);
    c.numbers.push_back(static_cast<std::uint32_t>(std::stoul(words[2 + i])));
  }
  for (int j = 0; j < w.patterns; ++j) {
    std::string key = words[2 + w.numbers + j];
    std::replace(key.begin(), key.end(), '?', ':');
    add(key);
  }
  return c;
}

void perNumberSweep(benchmark::State& state, const char* name) {
  const Case c = load(name);
  const std::size_t count = std::min<std::size_t>(c.numberKeys.size(), 100000);  // rec is slow
  for (auto _ : state) {
    for (std::size_t i = 0; i < count; ++i) rec(c.numberKeys[i], 0, 0, 1);
    benchmark::DoNotOptimize(cnt.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

void fastFill(benchmark::State& state, const char* name) {
  const Case c = load(name);
  for (auto _ : state) {
    std::vector<std::uint32_t> numbers = c.numbers;
    fillCounters(numbers, 0);
    benchmark::DoNotOptimize(cnt.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * c.numbers.size()));
}

}  // namespace

BENCHMARK_CAPTURE(perNumberSweep, large, "large")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(fastFill, large, "large")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(perNumberSweep, dense, "dense")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(fastFill, dense, "dense")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
