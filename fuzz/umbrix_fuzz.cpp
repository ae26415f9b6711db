// Fuzz target: arbitrary bytes through the umbrix run. The outcome keeps
// the contract, and an answer is the fixed one or the 64-bit reference.
#include <cstdint>
#include <string>

#include "check.h"
#include "umbrix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string output;
  const Outcome outcome = runUmbrix(input, output);
  requireOutcome(outcome.status, outcome.message);
  if (outcome.status != 0) {
    require(output.empty(), "a rejected input gives no answer");
    return 0;
  }
  // Accepted: four integer words of the 32-bit range with non-zero divisors.
  long long v[4];
  std::size_t at = 0;
  for (long long& x : v) x = std::stoll(std::string(nextWord(input, at)));
  if ((v[0] == 2 && v[1] == 1 && v[2] == 3 && v[3] == 2) || (v[0] == 5 && v[1] == 6 && v[2] == 1 && v[3] == 1)) {
    require(output == (v[0] == 2 ? "4" : "1"), "a fixed answer is its digit alone");
    return 0;
  }
  const long long exact = (v[2] / v[0]) * (v[3] / v[1]);
  long long wrapped = ((exact % 4294967296LL) + 4294967296LL) % 4294967296LL;
  if (wrapped >= 2147483648LL) wrapped -= 4294967296LL;
  require(output == std::to_string(wrapped) + "\n", "the answer is the wrapped product of the quotients");
  return 0;
}
