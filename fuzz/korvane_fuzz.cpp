// Fuzz target: arbitrary bytes through the korvane run. The outcome keeps
// the contract, and for small rows the report is the simulation's.
#include <cstdint>
#include <string>

#include "check.h"
#include "korvane.h"
#include "korvane_oracle.h"

namespace {

// n or m as a plain small count, or -1.
long smallCount(std::string_view w) {
  if (w.empty() || w.size() > 3) return -1;
  for (char c : w) {
    if (c < '0' || c > '9') return -1;
  }
  return std::stol(std::string(w));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string output;
  const Outcome outcome = runKorvane(input, output);
  requireOutcome(outcome.status, outcome.message);
  if (outcome.status != 0) {
    require(output.empty(), "a rejected input gives no report");
    return 0;
  }
  require(!output.empty() && output.back() == '\n', "the report ends with a line end");
  std::size_t at = 0;
  const long n = smallCount(nextWord(input, at));
  const long m = smallCount(nextWord(input, at));
  const std::string row(nextWord(input, at)), commands(nextWord(input, at));
  if (n >= 0 && m >= 0) require(output == simulate(n, m, row, commands), "the report is the simulation's");
  return 0;
}
