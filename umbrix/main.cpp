// umbrix: binds "umbrix.in" and "umbrix.out", runs, and reports.
// The output file is always created; it stays empty unless the answer is
// written. Exit status 1: a value is missing or wrong; 2: the input cannot be
// read, or the output cannot be written. Tested end to end by
// tests/umbrix_e2e_test.cpp.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "umbrix.h"

namespace {

int fail(int status, const char* file, const std::string& what) {
  std::fprintf(stderr, "umbrix: %s: %s\n", file, what.c_str());
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
  std::FILE* in = std::fopen("umbrix.in", "rt");
  const int openError = errno;
  std::FILE* out = std::fopen("umbrix.out", "wt");
  if (out == nullptr) return fail(2, "umbrix.out", std::strerror(errno));
  if (in == nullptr) {
    std::fclose(out);
    return fail(2, "umbrix.in", std::strerror(openError));
  }
  std::string input;
  const bool broken = !readFields(in, 4, input);
  std::fclose(in);
  if (broken) {
    std::fclose(out);
    return fail(2, "umbrix.in", "read error");
  }
  std::string output;
  const Outcome outcome = runUmbrix(input, output);
  const bool written = std::fwrite(output.data(), 1, output.size(), out) == output.size();
  if (std::fclose(out) != 0 || !written) return fail(2, "umbrix.out", std::strerror(errno));
  if (outcome.status != 0) return fail(outcome.status, "umbrix.in", outcome.message);
  return 0;
}
