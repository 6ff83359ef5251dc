#pragma once

#include <cstdio>
#include <cstdlib>

namespace talvora {

// Stops the run when an invariant of the code under test does not hold, so that libFuzzer keeps
// the input as a crash.
inline void FuzzCheck(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace talvora
