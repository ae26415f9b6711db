// One run of the robot-row program over a whole input buffer.
#pragma once

#include <string>
#include <string_view>

struct Outcome {
  int status = 0;       // 0 done, 1 input outside the format
  std::string message;  // for status 1: what is wrong and where
};

// Reads n, m, the row and the commands from `input` and puts the report
// (the survivor count, then their cell numbers if any) in `output`.
Outcome runKorvane(std::string_view input, std::string& output);
