// Exact fraction and integer operations.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "Outcome.h"

namespace {

using namespace zqtest;
using zq::BigFraction;
using zq::BigInteger;

TEST(BigFraction, OperationsAreExactAndKeepTheirOperands) {
  const BigFraction x("2/3"), y("1e-10");
  EXPECT_EQ(x.Operator_Add(y).Str(), "20000000003/30000000000");
  EXPECT_EQ(x.Operator_Subtract(y).Str(), "19999999997/30000000000");
  EXPECT_EQ(x.Operator_Multiply(y).Str(), "1/15000000000");
  EXPECT_EQ(x.Operator_Divide(y).Str(), "20000000000/3");
  EXPECT_EQ(y.Operator_Divide(x).Str(), "3/20000000000");
  EXPECT_EQ(x.Operator_Multiply(x).Str(), "4/9");
  EXPECT_EQ((x + x).Str(), "4/3");
  EXPECT_EQ((x - x).Str(), "0");
  EXPECT_EQ((x * BigFraction(-3)).Str(), "-2");
  EXPECT_EQ((BigFraction(1) / BigFraction(-4)).Str(), "-1/4");
  EXPECT_EQ(x.Str(), "2/3");
  EXPECT_EQ(Str(y), "1/10000000000");
  EXPECT_TRUE(BigFraction("4/6") == BigFraction("2/3"));
  EXPECT_FALSE(BigFraction("4/6") == BigFraction("-2/3"));
}

TEST(BigFraction, DivisionByZeroRaises) {
  EXPECT_EQ(Outcome([] { return BigFraction(5).Operator_Divide(BigFraction("0/3")).Str(); }), kDivideByZero);
  EXPECT_EQ(Outcome([] { return (BigFraction() / BigFraction()).Str(); }), kDivideByZero);
}

TEST(BigFraction, CompareGivesTheSignOfTheDifference) {
  struct Case {
    const char* value;
    std::int32_t x;
    int expected;
  } cases[] = {{"0", 0, 0},        {"-1/2", 0, -1},         {"1/2", 0, 1},         {"7/7", 1, 0},
               {"3/2", 1, 1},      {"-2147483648", INT32_MIN, 0}, {"-2147483649", INT32_MIN, -1},
               {"1e20", INT32_MAX, 1}, {"-1e20", INT32_MIN, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(BigFraction(c.value).Operator_Compare(c.x), c.expected) << c.value << " vs " << c.x;
  }
  EXPECT_EQ(BigInteger(5).Operator_Compare(4), 1);
  EXPECT_EQ(BigInteger(-5).Operator_Compare(-5), 0);
  EXPECT_EQ(BigInteger(INT64_MIN).Operator_Compare(INT32_MIN), -1);
}

TEST(BigFraction, NumeratorAndDenominatorInLowestTerms) {
  struct Case {
    const char* value;
    const char* num;
    const char* den;
  } cases[] = {{"4/2", "2", "1"}, {"6/-4", "-3", "2"}, {"0/5", "0", "1"}, {"-1e-3", "-1", "1000"},
               {"1.57e4/2", "7850", "1"}};
  for (const auto& c : cases) {
    EXPECT_EQ(zq::zqNum(BigFraction(c.value)).Str(), c.num) << c.value;
    EXPECT_EQ(zq::zqDen(BigFraction(c.value)).Str(), c.den) << c.value;
  }
}

TEST(BigInteger, EquatesToInt32WithinRangeOnly) {
  auto equate = [](const char* text) {
    return Outcome([&] { return std::to_string(zq::zqEquateINT32_BI(zq::zqNum(BigFraction(text)))); });
  };
  EXPECT_EQ(equate("0"), "0");
  EXPECT_EQ(equate("-17"), "-17");
  EXPECT_EQ(equate("2147483647"), "2147483647");
  EXPECT_EQ(equate("-2147483648"), "-2147483648");
  EXPECT_EQ(equate("2147483648"), kArithmetic);
  EXPECT_EQ(equate("-2147483649"), kArithmetic);
  EXPECT_EQ(equate("1e30"), kArithmetic);
  EXPECT_EQ(BigInteger(INT64_MIN).Str(), "-9223372036854775808");
  EXPECT_EQ(BigInteger().Str(), "0");
}

std::string Power(const char* base, double exponent) {
  return Outcome([&] { return BigFraction(base).Operator_Power(exponent).Str(); });
}

TEST(BigFraction, PowerOfWholeExponents) {
  struct Case {
    const char* base;
    double exponent;
    std::string expected;
  } cases[] = {
      {"2/3", 3, "8/27"},   {"2/3", 0, "1"},    {"0", 0, "1"},     {"0", 5, "0"},
      {"-2/3", 3, "-8/27"}, {"-2/3", 2, "4/9"}, {"2/3", 1, "2/3"}, {"10", 30, "1000000000000000000000000000000"},
      {"1", 2147483647, "1"}, {"-1", 2147483647, "-1"}, {"-1", 2147483646, "1"}, {"0", 2147483647, "0"},
      {"1", 1e300, "1"},    {"-1/1", 1e18, "1"},
  };
  for (const auto& c : cases) EXPECT_EQ(Power(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

TEST(BigFraction, PowerRejectsExponentsOutsideTheWholeNumbers) {
  const double bad[] = {-1, 0.5, -0.5, 2.000001, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  for (double e : bad) EXPECT_EQ(Power("2/3", e), kArithmetic) << e;
  EXPECT_EQ(Power("0", -1), kArithmetic);
}

TEST(BigFraction, PowerBoundsTheResultBeforeComputing) {
  // Far too large: raises at once instead of computing gigabytes.
  EXPECT_EQ(Power("3/7", 2000000000), kArithmetic);
  EXPECT_EQ(Power("2", 2147483647), kArithmetic);
  EXPECT_EQ(Power("1/2", 1e300), kArithmetic);
  EXPECT_EQ(Power("123456789", 1e6), kArithmetic);
  // 2^(2^24) is the largest power of 2 allowed; one more doubling is refused.
  const BigFraction two(2);
  const BigFraction limit = two.Operator_Power(16777216);
  EXPECT_EQ(limit.Operator_Compare(0), 1);
  EXPECT_TRUE(limit == two.Operator_Power(8388608) * two.Operator_Power(8388608));
  EXPECT_EQ(Power("2", 16777217), kArithmetic);
  // log2 10 = 3.32...: 10^5050445 stays within 2^24 bits, 10^5050446 does not.
  EXPECT_EQ(Power("10", 5050446), kArithmetic);
  EXPECT_EQ(Power("-1/10", 5050446), kArithmetic);
  EXPECT_EQ(BigFraction(10).Operator_Power(1000000).Operator_Compare(INT32_MAX), 1);
  EXPECT_EQ(Power("1/2", 16777217), kArithmetic);
}

TEST(BigFraction, CopiesAndMovesAreIndependentValues) {
  BigFraction a("2/3");
  BigFraction b = a;
  b = b + a;
  EXPECT_EQ(a.Str(), "2/3");
  EXPECT_EQ(b.Str(), "4/3");
  BigFraction c = std::move(b);
  EXPECT_EQ(c.Str(), "4/3");
  a = std::move(c);
  EXPECT_EQ(a.Str(), "4/3");
  a = a;
  EXPECT_EQ(a.Str(), "4/3");
}

}  // namespace
