// Differential fuzz target: when every word of a small input is in the
// format, queries must answer exactly as the brute force does. The first
// byte picks the fill thresholds, so that every way of filling is compared.
#include <cstdint>
#include <string>
#include <vector>

#include "check.h"
#include "driver.h"
#include "fill.h"
#include "queries_oracle.h"

namespace {

bool allOf(std::string_view w, bool wildcards) {
  if (w.empty() || w.size() > 9) return false;
  for (char c : w) {
    if (!(c >= '0' && c <= '9') && !(wildcards && c == '?')) return false;
  }
  return true;
}

// The brute force's output, or false when the input is not a whole number
// of small test cases in the format.
bool expectedOutput(std::string_view input, std::string& out) {
  std::size_t at = 0;
  for (std::string_view nWord = nextWord(input, at); !nWord.empty(); nWord = nextWord(input, at)) {
    const std::string_view mWord = nextWord(input, at);
    if (!allOf(nWord, false) || !allOf(mWord, false) || nWord.size() > 2 || mWord.size() > 2) return false;
    std::vector<long long> numbers;
    for (int i = std::stoi(std::string(nWord)); i > 0; --i) {
      const std::string_view w = nextWord(input, at);
      if (!allOf(w, false)) return false;
      numbers.push_back(std::stoll(std::string(w)));
    }
    for (int j = std::stoi(std::string(mWord)); j > 0; --j) {
      const std::string_view w = nextWord(input, at);
      if (!allOf(w, true)) return false;
      long long answer = 0;
      for (long long s : numbers) answer += digitCount(std::string(w), s);
      out += std::to_string(answer) + "\n";
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const FillThresholds settings[] = {{}, {1u << 30, 128}, {0, 1u << 30}, {0, 0}, {4, 2}};
  fillThresholds = settings[data[0] % std::size(settings)];
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string want;
  if (!expectedOutput(input, want)) return 0;
  std::string got;
  const Outcome outcome = runQueries(input, got);
  require(outcome.status == 0, "input in the format is answered");
  require(got == want, "the answers are those of the brute force");
  return 0;
}
