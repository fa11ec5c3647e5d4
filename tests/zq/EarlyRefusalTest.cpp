// Computations whose need can be told beforehand are refused at once when it
// exceeds what the component can get: the memory never climbs to the budget.
#include <gtest/gtest.h>

#include "MemoryTestSupport.h"

namespace {

using namespace zqtest;
using zq::BigFraction;
using zq::BigMatrix;


// Operands are made first; the budget then leaves room for them and for the
// integer copy of the matrix, but not for the result's estimate.
constexpr std::int64_t kRoom = std::int64_t{2} << 20;

TEST(EarlyRefusal, OversizedComputationsAreRefusedBeforeTheyGrow) {
  // 40 x 40 of 200-digit entries: the solution of 60 right-hand sides needs
  // 40 * 60 residues of about 2 * 40 * 670 bits, some 16 MiB.
  const BigMatrix a(MatrixText(40, 40, 200, 31));
  const BigMatrix b(MatrixText(40, 60, 3, 32));
  const BigMatrix augmented = a.ColumnAugment(b);
  const BigFraction base("3/7");
  const struct {
    const char* name;
    std::function<void()> run;
  } cases[] = {
      {"solve", [&] { (void)a.Invert().Operator_Multiply(b).GetElement(0, 0); }},
      {"reduced row echelon form", [&] { (void)augmented.ReduceRowEchelon(); }},
      // 22 million bits of numerator and denominator (2.7 MiB); the larger
      // one stays within the 2^24-bit bound.
      {"power", [&] { (void)base.Operator_Power(5000000); }},
  };
  (void)a.Det();  // cached: the solve's Det check must not be what fails
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Budget budget(kRoom);
    zq::testing::ResetPeakLiveBytes();
    const std::int64_t start = zq::testing::LiveBytes();
    EXPECT_THROW(c.run(), zq::zqOutOfMemoryException);
    // A failure on the budget would have climbed to it.
    EXPECT_LT(zq::testing::PeakLiveBytes() - start, kRoom / 2);
  }
  // With the memory there, the same computations run.
  EXPECT_EQ(a.Invert().Operator_Multiply(b).NumColumns(), 60);
  EXPECT_EQ(base.Operator_Power(5000000).Operator_Compare(0), 1);
}

TEST(EarlyRefusal, ADeterminantBeyondTheMemoryIsRefused) {
  const BigMatrix a(MatrixText(40, 40, 600, 33));
  const Budget budget(64 << 10);
  EXPECT_THROW((void)a.Det(), zq::zqOutOfMemoryException);
}

// The address-space limit counts even without a test budget: in a child with
// 96 MiB of room a solve whose residues alone need some 650 MiB is refused, not
// attempted.
TEST(EarlyRefusal, TheAddressSpaceLimitCounts) {
  if (ZQ_TEST_ASAN) GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit";
  const BigMatrix a(MatrixText(30, 30, 300, 34));
  const BigMatrix b(MatrixText(30, 3000, 1, 35));
  for (const bool inScope : {false, true}) {
    SCOPED_TRACE(inScope ? "in a scope" : "outside a scope");
    const int status = InChildWithAddressSpaceRoom(std::int64_t{96} << 20, [&] {
      std::unique_ptr<zq::ComputationScope> scope;
      if (inScope) scope = std::make_unique<zq::ComputationScope>();
      zq::testing::ResetPeakLiveBytes();
      const std::int64_t start = zq::testing::LiveBytes();
      try {
        (void)a.Invert().Operator_Multiply(b).GetElement(0, 0);
      } catch (const zq::zqOutOfMemoryException&) {
        return zq::testing::PeakLiveBytes() - start < (std::int64_t{16} << 20);
      }
      return false;
    });
    EXPECT_EQ(status, 0);
  }
}

}  // namespace
