// Exact and floating-point layouts of matrices, and the one-line text back into lines.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "solver/MatrixText.h"

namespace {

struct LayoutCase { const char* name; const char* matrix; const char* expected; };

TEST(MatrixTextOutMod2, LaysOutExactValues) {
  const LayoutCase cases[] = {
      {"two-column solution", "7/3,1/2;40/9,9/2;2/9,1/2", "7/3   1/2\n40/9  9/2\n2/9   1/2\n"},
      {"reduced row echelon form", "1,0,-1,-1/3;0,1,2,2/3;0,0,0,0",
       "1  0  -1  -1/3\n0  1  2   2/3\n0  0  0   0\n"},
      {"single column has no final line end", "7/3;40/9;2/9", "7/3\n40/9\n2/9"},
      {"1x1 is the element alone", "-8640/4313", "-8640/4313"},
      {"1xn is one row ending in a line end", "1,-2,3/4", "1  -2  3/4\n"},
      {"negative entries widen their column", "-1,5;2,6", "-1  5\n2   6\n"},
      {"equal lengths get exactly two blanks", "1,2,3;4,5,6", "1  2  3\n4  5  6\n"},
      {"last column is not widened", "1,-1/3;2,7", "1  -1/3\n2  7\n"},
      {"lowest terms, integers without denominator", "4/6,18/1;3,-10/4", "2/3  18\n3    -5/2\n"},
      {"more columns than rows", "1,2,10,-100,1000", "1  2  10  -100  1000\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatrixText::outMod2(zq::BigMatrix(c.matrix)), QString(c.expected)) << c.name;
}

class MatrixTextOutModzq : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPrecision_ = zq::zqGetPrecision();
    savedDigits_ = zq::zqGetOutputPrecision();
    zq::zqSetPrecision(60);
    zq::zqSetOutputPrecision(15);
  }
  void TearDown() override {
    zq::zqSetPrecision(savedPrecision_);
    zq::zqSetOutputPrecision(savedDigits_);
  }
  std::int32_t savedPrecision_ = 0, savedDigits_ = 0;
};

TEST_F(MatrixTextOutModzq, LaysOutValuesAtTheDigitsInForce) {
  const LayoutCase cases[] = {
      {"single column of the fraction example", "21/4313;2445/4313;-8640/4313",
       "0.00486900069557153\n0.566890795270114\n-2.00324600046371"},
      {"1x1", "4313/378", "11.4100529100529"},
      {"table widths come from the float texts", "1/3,1;2,-1/7",
       "0.333333333333333  1\n2                  -0.142857142857143\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatrixText::outModzq(zq::BigMatrix(c.matrix)), QString(c.expected)) << c.name;
}

TEST_F(MatrixTextOutModzq, EachLayoutAlignsByItsOwnTexts) {
  const zq::BigMatrix m("1/3,1;-2,5");
  EXPECT_EQ(MatrixText::outMod2(m), "1/3  1\n-2   5\n");
  EXPECT_EQ(MatrixText::outModzq(m), "0.333333333333333  1\n-2                 5\n");
}

TEST_F(MatrixTextOutModzq, FollowsALaterDigitSetting) {
  const zq::BigMatrix m("21/4313");
  zq::zqSetPrecision(4 * 5);
  zq::zqSetOutputPrecision(5);
  EXPECT_EQ(MatrixText::outModzq(m), "0.004869");
}

TEST(MatrixTextOutMod2, LargeTableLaysOutQuickly) {
  std::mt19937 rng(7);
  std::string text;
  for (int i = 0; i < 400; ++i)
    for (int j = 0; j < 401; ++j)
      text += std::to_string(static_cast<int>(rng() % 20001) - 10000) + "/" +
              std::to_string(1 + rng() % 999) + (j + 1 < 401 ? "," : ";");
  const zq::BigMatrix m(text);
  const auto msSince = [](std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  // The work no layout can avoid: reading and writing every element once.
  auto start = std::chrono::steady_clock::now();
  std::vector<std::string> texts;
  texts.reserve(400 * 401);
  for (int i = 0; i < 400; ++i)
    for (int j = 0; j < 401; ++j) texts.push_back(zq::Str(m.GetElement(i, j)));
  const double elementsMs = msSince(start);

  start = std::chrono::steady_clock::now();
  const QString laidOut = MatrixText::outMod2(m);
  const double layoutMs = msSince(start);
  EXPECT_EQ(laidOut.count(u'\n'), 400);
  EXPECT_TRUE(laidOut.endsWith(u'\n'));
  // Laying out adds little to that work (a quadratic layout would add seconds).
  EXPECT_LT(layoutMs, 4 * elementsMs + 100);
  std::printf("400x401 table: element texts %.1f ms, outMod2 %.1f ms (%lld characters)\n", elementsMs,
              layoutMs, static_cast<long long>(laidOut.size()));
}

TEST(MatrixTextOutMod, TurnsOneLineTextBackIntoLines) {
  const struct { const char* oneLine; const char* expected; } cases[] = {
      {"2,1,-5;-3,-1,2;-3,1,-2;", "2  1  -5\n-3  -1  2\n-3  1  -2\n"},
      {"8;-11;-3", "8\n-11\n-3"},
      {"", ""},
      {"1,,2", "1    2"},
  };
  for (const auto& c : cases) EXPECT_EQ(MatrixText::outMod(c.oneLine), QString(c.expected));
}

}  // namespace
