// One run of the pattern-count program over a whole input buffer.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// Takes a piece of the output; false when it could not be written.
using Writer = std::function<bool(std::string_view)>;

struct Outcome {
  int status = 0;       // 0 done, 1 input outside the format, 2 output not written
  std::string message;  // for status 1: what is wrong and where
};

using Key = std::array<char, 9>;

// The word right-aligned behind '0's (words of up to nine characters).
Key padKey(std::string_view word);
// Turns every '?' of a key into ':', the wildcard's slot character.
void markWildcards(Key& key);

// Answers every test case of `input`, handing the lines to `write` in pieces.
// On input outside the format it stops there, after handing over the lines
// of every earlier test case.
Outcome runQueries(std::string_view input, const Writer& write);

// The same, collecting the output in a string (for tests).
Outcome runQueries(std::string_view input, std::string& output);
