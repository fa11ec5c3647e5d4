#pragma once
// Wall-clock seconds of one call, for the benchmark programs.
#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

template <typename F>
double Seconds(F&& f) {
  const auto start = Clock::now();
  f();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace bench
