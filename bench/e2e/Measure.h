// Timing and memory figures shared by the benchmark's child processes.
#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../Timer.h"
#include "Cases.h"

namespace bench {

// Peak resident set of this process so far, in MiB.
inline double PeakMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// What a child prints for its parent: one line "RESULT <median s> <peak delta MiB> <digest> <extra...>".
inline void Report(double seconds, double peakDelta, unsigned long long digest, const std::string& extra) {
  std::printf("RESULT %.6f %.2f %016llx %s\n", seconds, peakDelta, digest, extra.c_str());
  std::fflush(stdout);
}

// The child entry points (argv after "--child <what>": kind n reps).
int RunSolveChild(const Case& c, int reps);
int RunReferenceChild(const Case& c, int reps);

}  // namespace bench
