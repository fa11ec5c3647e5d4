// A computation scope that ends by an exception gives back what the unwound
// GMP and FLINT code still held, so that the next attempt has the same memory.
#include <gtest/gtest.h>

#include <malloc.h>

#include <thread>
#include <vector>

#include "MemoryTestSupport.h"

namespace {

using namespace zqtest;
using zq::BigMatrix;

// Big enough for the lifting's temporaries to be many and large.
const std::string& SystemA() {
  static const std::string text = MatrixText(60, 60, 60, 21);
  return text;
}
const std::string& SystemB() {
  static const std::string text = MatrixText(60, 8, 60, 22);
  return text;
}

// One solve that fails on the budget, inside its own scope; the bytes the
// failure left behind before the scope ended.
std::int64_t FailedSolveLeftover() {
  zq::ComputationScope scope;
  const std::int64_t start = zq::testing::LiveBytes();
  {
    const BigMatrix a(SystemA()), b(SystemB());
    EXPECT_THROW((void)a.Invert().Operator_Multiply(b).GetElement(0, 0), zq::zqOutOfMemoryException);
  }
  return zq::testing::LiveBytes() - start;
}

TEST(MemoryReclaim, AFailedScopeLeavesNoBytesBehind) {
  const std::int64_t before = zq::testing::LiveBytes();
  std::int64_t leftover = 0;
  {
    const Budget budget(std::int64_t{3} << 20);
    leftover = FailedSolveLeftover();
  }
  // The exception did leak temporaries inside the libraries ...
  EXPECT_GT(leftover, 0);
  // ... and the scope gave them back.
  EXPECT_LE(zq::testing::LiveBytes(), before);
}

TEST(MemoryReclaim, ARepeatedAttemptFailsAtTheSamePeakAndASmallSolveStillWorks) {
  const Budget budget(std::int64_t{3} << 20);
  std::vector<std::int64_t> peaks;
  for (int attempt = 0; attempt < 3; ++attempt) {
    zq::testing::ResetPeakLiveBytes();
    const std::int64_t start = zq::testing::LiveBytes();
    FailedSolveLeftover();
    peaks.push_back(zq::testing::PeakLiveBytes() - start);
  }
  // The budget is the same absolute limit for every attempt: had the first
  // left memory behind, the later ones would fail lower.
  EXPECT_NEAR(static_cast<double>(peaks[1]), static_cast<double>(peaks[0]), 64 << 10);
  EXPECT_NEAR(static_cast<double>(peaks[2]), static_cast<double>(peaks[0]), 64 << 10);
  zq::ComputationScope scope;
  const BigMatrix a("2,1,-5;-3,-1,2;-3,1,-2;"), b("8;-11;-3;");
  EXPECT_EQ(a.Invert().Operator_Multiply(b).GetElement(1, 0).Str(), "40/9");
}

// What the system sees: the resident size after the failed scope is back
// near where it was, though the failure had grown it by tens of MiB.
TEST(MemoryReclaim, TheResidentSizeReturnsAfterABigFailure) {
  if (ZQ_TEST_ASAN) GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine";
  malloc_trim(0);
  const std::int64_t before = StatusBytes("VmRSS");
  std::int64_t grown = 0;
  try {
    const Budget budget(std::int64_t{64} << 20);
    zq::ComputationScope scope;
    zq::testing::ResetPeakLiveBytes();
    const std::int64_t start = zq::testing::LiveBytes();
    std::vector<zq::BigFraction> kept;
    // The failure leaves the scope, as in an action.
    struct NoteGrowth {
      std::int64_t start;
      std::int64_t& grown;
      ~NoteGrowth() { grown = zq::testing::PeakLiveBytes() - start; }
    } note{start, grown};
    zq::BigFraction x("3/7");
    for (;;) {
      kept.push_back(x);
      x = x * zq::BigFraction(Digits(20000, static_cast<unsigned>(kept.size())));
    }
  } catch (const zq::zqOutOfMemoryException&) {
  }
  EXPECT_GT(grown, std::int64_t{48} << 20);
  EXPECT_LT(StatusBytes("VmRSS") - before, std::int64_t{8} << 20);
}

}  // namespace

namespace {

// Scopes on several threads at once, as when each action runs on a worker
// thread: each gives back only its own blocks, and the rings stay intact
// (ASan and TSan see every block).
TEST(MemoryReclaim, ScopesOnSeveralThreadsEachGiveBackTheirOwn) {
  const std::int64_t before = zq::testing::LiveBytes();
  std::vector<std::string> results(4);
  std::vector<std::thread> workers;
  for (std::size_t t = 0; t < results.size(); ++t) {
    workers.emplace_back([t, &results] {
      for (int round = 0; round < 3; ++round) {
        zq::ComputationScope scope;
        const BigMatrix a(MatrixText(30, 30, 20, 40 + static_cast<unsigned>(t)));
        const BigMatrix b(MatrixText(30, 1, 20, 50 + static_cast<unsigned>(t)));
        const std::string x = a.Invert().Operator_Multiply(b).GetElement(29, 0).Str();
        if (round == 0) results[t] = x;
        else if (results[t] != x) results[t] = "differs in round " + std::to_string(round);
      }
    });
  }
  for (std::thread& w : workers) w.join();
  for (std::size_t t = 0; t < results.size(); ++t) {
    zq::ComputationScope scope;
    const BigMatrix a(MatrixText(30, 30, 20, 40 + static_cast<unsigned>(t)));
    const BigMatrix b(MatrixText(30, 1, 20, 50 + static_cast<unsigned>(t)));
    EXPECT_EQ(results[t], a.Invert().Operator_Multiply(b).GetElement(29, 0).Str()) << "thread " << t;
  }
  EXPECT_LE(zq::testing::LiveBytes(), before);
}

}  // namespace
