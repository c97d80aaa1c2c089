// A target's own checks: a broken rule aborts with the target's name and the
// reason, so libFuzzer keeps the input and the log says what was wrong.
#ifndef FUZZ_FUZZ_REQUIRE_H
#define FUZZ_FUZZ_REQUIRE_H

#include <cstdio>
#include <cstdlib>

inline void fuzz_require(const char* target, bool condition, const char* reason) {
  if (condition) return;
  std::fprintf(stderr, "%s: %s\n", target, reason);
  std::abort();
}

#endif
