// What every fuzz target checks beyond the absence of crashes: a broken
// promise prints what was expected and stops the run.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "contract broken: %s\n", what);
  std::abort();
}

// A rejection comes with one line of message, and a success with none.
inline void requireOutcome(int status, const std::string& message) {
  require(status == 0 || status == 1, "the outcome is success or bad input");
  require((status == 1) == !message.empty(), "a message exactly when the input is rejected");
  require(message.find('\n') == std::string::npos, "the message is one line");
}

inline bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline std::string_view nextWord(std::string_view text, std::size_t& at) {
  while (at < text.size() && isSpace(text[at])) ++at;
  const std::size_t begin = at;
  while (at < text.size() && !isSpace(text[at])) ++at;
  return text.substr(begin, at - begin);
}
