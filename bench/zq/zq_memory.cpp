// Peak of the component's live bytes (its own allocation counter) during the
// steps of a Solve, on random systems of fractions p/q (|p| <= 99, 1 <= q <= 99)
// or integers (|p| <= 99), with one right-hand side. Run by hand:
//   build-perf/bench/zq/zq_memory [F200 F400 S400 ...]
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "zq/ZqTesting.h"
#include "zq/zq.h"

namespace {

std::string SystemText(char kind, int n, int columns) {
  std::mt19937_64 rng(0x5eed0000ULL + static_cast<unsigned long long>(kind) * 100000 + n);
  std::uniform_int_distribution<int> p(-99, 99), q(1, 99);
  std::string text;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < columns; ++j) {
      text += std::to_string(p(rng));
      if (kind == 'F') {
        text += '/';
        text += std::to_string(q(rng));
      }
      text += j + 1 < columns ? "," : ";";
    }
  return text;
}

template <class F>
void Step(const char* name, F f) {
  zq::testing::ResetPeakLiveBytes();
  const std::int64_t before = zq::testing::LiveBytes();
  const auto start = std::chrono::steady_clock::now();
  f();
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("  %-10s %8.3f s  peak +%8.1f MiB\n", name, s,
              static_cast<double>(zq::testing::PeakLiveBytes() - before) / (1 << 20));
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> cases(argv + 1, argv + argc);
  if (cases.empty()) cases = {"F200", "F400", "S400"};
  for (const std::string& c : cases) {
    const char kind = c[0];
    const int n = std::stoi(c.substr(1));
    std::printf("%s\n", c.c_str());
    zq::ComputationScope scope;
    const zq::BigMatrix A(SystemText(kind, n, n));
    const zq::BigMatrix B(SystemText(kind == 'F' ? 'F' : 'S', n, 1));
    zq::BigFraction d;
    Step("Det", [&] { d = A.Det(); });
    Step("Inv*B", [&] {
      const zq::BigMatrix X = A.Invert().Operator_Multiply(B);
      (void)X.GetElement(0, 0);
    });
    Step("rref(A|B)", [&] { (void)A.ColumnAugment(B).ReduceRowEchelon(); });
  }
}
