// One run of the quotient program over a whole input buffer.
#pragma once

#include <string>
#include <string_view>

struct Outcome {
  int status = 0;       // 0 done, 1 input outside the format
  std::string message;  // for status 1: which value is wrong
};

// Reads four integers from `input` and puts the answer in `output`: a fixed
// answer for the two fixed inputs (no line end), otherwise the product of
// third / first and fourth / second, wrapped to 32 bits, and a line end.
Outcome runUmbrix(std::string_view input, std::string& output);
