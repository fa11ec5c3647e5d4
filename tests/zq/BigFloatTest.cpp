// Floating-point conversion: precisions, their clamps and the text of Str.
#include <gtest/gtest.h>

#include <climits>

#include "Outcome.h"

namespace {

using zq::BigFraction;

// Every test starts from, and leaves, the component's initial settings.
class BigFloatTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  static void Reset() {
    zq::zqSetPrecision(zq::kInitialPrecision);
    zq::zqSetOutputPrecision(zq::kInitialOutputPrecision);
  }
  static std::string Float(const char* fraction) { return Str(zq::zqEquateBF_BFR(BigFraction(fraction))); }
};

TEST(BigFloatSettings, StartAt60And15) {
  // ctest runs every test in a process of its own; a run of the whole binary
  // reaches this test before any test that changes a precision.
  EXPECT_EQ(zq::zqGetPrecision(), 60);
  EXPECT_EQ(zq::zqGetOutputPrecision(), 15);
  EXPECT_EQ(Str(zq::zqEquateBF_BFR(BigFraction("21/4313"))), "0.00486900069557153");
}

TEST_F(BigFloatTest, RendersTheHelpTextsFractionExampleAt15Digits) {
  EXPECT_EQ(Float("21/4313"), "0.00486900069557153");
  EXPECT_EQ(Float("2445/4313"), "0.566890795270114");
  EXPECT_EQ(Float("-8640/4313"), "-2.00324600046371");
  EXPECT_EQ(Float("4313/378"), "11.4100529100529");
}

TEST_F(BigFloatTest, WritesSignificantDigitsLikePercentG) {
  struct Case {
    std::int32_t digits;
    const char* fraction;
    const char* expected;
  } cases[] = {
      {15, "0", "0"},
      {15, "1", "1"},
      {15, "-1/2", "-0.5"},
      {15, "2/3", "0.666666666666667"},
      {15, "7850", "7850"},
      {15, "1/10000", "0.0001"},
      {15, "1/100000", "1e-05"},
      {15, "1e20", "1e+20"},
      {15, "123456789012345", "123456789012345"},
      {15, "1234567890123456", "1.23456789012346e+15"},
      {15, "-59440950/249640621", "-0.238106081301568"},
      {2, "-8640/4313", "-2"},
      {2, "21/4313", "0.0049"},
      {2, "4313/378", "11"},
      {2, "100", "1e+02"},
      {3, "4313/378", "11.4"},
      {20, "-8640/4313", "-2.003246000463714352"},
      {32, "21/4313", "0.0048690006955715279387897055413865"},
      {32, "4313/378", "11.410052910052910052910052910053"},
  };
  for (const auto& c : cases) {
    zq::zqSetPrecision(4 * c.digits);
    zq::zqSetOutputPrecision(c.digits);
    EXPECT_EQ(Float(c.fraction), c.expected) << c.fraction << " at " << c.digits;
  }
}

TEST_F(BigFloatTest, ConvertsAtTheWorkingPrecisionInForceThen) {
  zq::zqSetPrecision(8);
  const zq::BigFloat coarse = zq::zqEquateBF_BFR(BigFraction("1/3"));
  zq::zqSetPrecision(400);
  zq::zqSetOutputPrecision(40);
  EXPECT_NE(Str(coarse), "0.3333333333333333333333333333333333333333");  // only ~8 digits hold
  EXPECT_EQ(Float("1/3"), "0.3333333333333333333333333333333333333333");
  const zq::BigFloat copy = coarse;
  EXPECT_EQ(Str(copy), Str(coarse));
}

TEST_F(BigFloatTest, ClampsPrecisions) {
  struct Case {
    std::int32_t requested, working, output;
  } cases[] = {
      {INT32_MIN, 2, 2}, {-5, 2, 2}, {0, 2, 2}, {1, 2, 2}, {2, 2, 2}, {60, 60, 60},
      {zq::kMaxPrecision, zq::kMaxPrecision, zq::kMaxOutputPrecision},
      {zq::kMaxPrecision + 1, zq::kMaxPrecision, zq::kMaxOutputPrecision},
      {INT32_MAX, zq::kMaxPrecision, zq::kMaxOutputPrecision},
  };
  for (const auto& c : cases) {
    zq::zqSetPrecision(c.requested);
    zq::zqSetOutputPrecision(c.requested);
    EXPECT_EQ(zq::zqGetPrecision(), c.working) << c.requested;
    EXPECT_EQ(zq::zqGetOutputPrecision(), c.output) << c.requested;
  }
}

TEST_F(BigFloatTest, TheLargestPrecisionsStillWork) {
  zq::zqSetPrecision(INT32_MAX);
  zq::zqSetOutputPrecision(INT32_MAX);
  const std::string third = Float("1/3");
  ASSERT_EQ(third.size(), 2u + zq::kMaxOutputPrecision);
  EXPECT_EQ(third, "0." + std::string(zq::kMaxOutputPrecision, '3'));
  EXPECT_EQ(Float("-8640/4313").substr(0, 17), "-2.00324600046371");
}

TEST_F(BigFloatTest, SmallestPrecisions) {
  zq::zqSetPrecision(0);
  zq::zqSetOutputPrecision(0);
  EXPECT_EQ(Float("2445/4313"), "0.57");
}

TEST_F(BigFloatTest, HugeFractionsConvert) {
  EXPECT_EQ(Float("1e100000"), "1e+100000");
  EXPECT_EQ(Float("-3e-100000"), "-3e-100000");
}

}  // namespace
