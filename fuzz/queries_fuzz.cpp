// Fuzz target: arbitrary bytes through the whole queries run. The outcome
// keeps the contract and the output is lines of decimal digits.
#include <cstdint>
#include <string>

#include "check.h"
#include "driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string head;  // the first part of the output, checked below
  std::uint64_t written = 0;
  const Outcome outcome = runQueries(input, [&](std::string_view piece) {
    if (head.size() < (1 << 16)) head.append(piece.substr(0, (1 << 16) - head.size()));
    written += piece.size();
    return true;
  });
  requireOutcome(outcome.status, outcome.message);
  require(head.empty() || written > head.size() || head.back() == '\n', "the output ends with a line end");
  for (std::size_t i = 0; i < head.size(); ++i) {
    const char c = head[i];
    require((c >= '0' && c <= '9') || (c == '\n' && i > 0 && head[i - 1] != '\n'), "answers are digits, one a line");
  }
  return 0;
}
