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
  // Four integers never need more than a few bytes; what follows is ignored,
  // but the words are taken whole, so read it all.
  std::string input;
  char chunk[1 << 12];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) input.append(chunk, got);
  const bool broken = std::ferror(in);
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
