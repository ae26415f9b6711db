// korvane: binds "korvane.in" and "korvane.out", runs, and reports.
// A missing or unreadable input file reads as empty (the report is 0).
// Exit status 1: input outside the format; 2: the input failed midway or the
// output could not be written. Tested end to end by tests/korvane_e2e_test.cpp.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "korvane.h"

namespace {

int fail(int status, const char* file, const std::string& what) {
  std::fprintf(stderr, "korvane: %s: %s\n", file, what.c_str());
  return status;
}

// Reads until `fields` words are complete (each ended by white space) or
// the file ends: nothing after them is ever needed. False on a read error.
bool readFields(std::FILE* in, int fields, std::string& text) {
  char chunk[1 << 16];
  bool inWord = false;
  int complete = 0;
  std::size_t got = 0;
  while (complete < fields && (got = std::fread(chunk, 1, sizeof chunk, in)) > 0) {
    for (std::size_t i = 0; i < got && complete < fields; ++i) {
      const bool space = chunk[i] == ' ' || (chunk[i] >= '\t' && chunk[i] <= '\r');
      complete += inWord && space;
      inWord = !space;
    }
    text.append(chunk, got);
  }
  return !std::ferror(in);
}

}  // namespace

int main() {
  std::FILE* in = std::fopen("korvane.in", "r");
  std::FILE* out = std::fopen("korvane.out", "w");
  if (out == nullptr) return fail(2, "korvane.out", std::strerror(errno));
  std::string input;
  if (in != nullptr) {
    // An unreadable file reads as empty; one that fails midway is an error.
    const bool broken = !readFields(in, 4, input) && !input.empty();
    std::fclose(in);
    if (broken) {
      std::fclose(out);
      return fail(2, "korvane.in", "read error");
    }
  }
  std::string output;
  const Outcome outcome = runKorvane(input, output);
  const bool written = std::fwrite(output.data(), 1, output.size(), out) == output.size();
  if (std::fclose(out) != 0 || !written) return fail(2, "korvane.out", std::strerror(errno));
  if (outcome.status != 0) return fail(outcome.status, "korvane.in", outcome.message);
  return 0;
}
