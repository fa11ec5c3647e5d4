// One-line matrix text: what reads, its shape, and the class of each failure.
#include <gtest/gtest.h>

#include "Outcome.h"

namespace {

using namespace zqtest;

struct MatrixCase {
  const char* text;
  std::string expected;  // "rows x cols: rows", or an exception class
};

std::string Read(const std::string& text) {
  return Outcome([&] {
    zq::BigMatrix m(text);
    return std::to_string(m.NumRows()) + "x" + std::to_string(m.NumColumns()) + ": " + Rows(m);
  });
}

TEST(MatrixText, ReadsRowsAndEntries) {
  const MatrixCase cases[] = {
      {"2,1,-5;-3,-1,2;-3,1,-2;", "3x3: 2 1 -5 / -3 -1 2 / -3 1 -2"},
      {"2,1,-5;-3,-1,2;-3,1,-2", "3x3: 2 1 -5 / -3 -1 2 / -3 1 -2"},
      {"8;-11;-3;", "3x1: 8 / -11 / -3"},
      {"1,2;3,4,", "2x2: 1 2 / 3 4"},  // a single final "," ends the last row
      {"2,1,-5,-3,-1,2,-3,1,-2,", "1x9: 2 1 -5 -3 -1 2 -3 1 -2"},
      {"5", "1x1: 5"},
      {"5;", "1x1: 5"},
      {"5,", "1x1: 5"},
      {"1e-3,1/3,5.67;-2,0,7.6/3;2e4,-6,1.57e4/2", "3x3: 1/1000 1/3 567/100 / -2 0 38/15 / 20000 -6 7850"},
      {"\t1, 2 ;3\r,4\n", "2x2: 1 2 / 3 4"},  // blanks around an entry are tolerated
      {"4/6,-0", "1x2: 2/3 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.text), c.expected) << "text: \"" << c.text << "\"";
}

TEST(MatrixText, FailuresRaiseTheirClass) {
  const MatrixCase cases[] = {
      // No rows, empty entries, empty rows: bad entries.
      {"", kBadEntry},
      {";", kBadEntry},
      {",", kBadEntry},
      {";;", kBadEntry},
      {",,", kBadEntry},
      {";1", kBadEntry},
      {",1", kBadEntry},
      {"1,,2", kBadEntry},
      {"1;;2", kBadEntry},
      {"1,2;;", kBadEntry},
      {"1,2,,", kBadEntry},
      {"1,;", kBadEntry},
      {" ", kBadEntry},
      // Entries outside the number grammar.
      {"1,2;3,x", kBadEntry},
      {"1\t2,3", kBadEntry},  // a tab inside an entry
      {"1 2", kBadEntry},
      // Entries are checked before the shape.
      {"1,x;2", kBadEntry},
      {"1,2;3,1/0", kDivideByZero},
      // Rows of unequal length.
      {"1,2;3", kArithmetic},
      {"1;2,3", kArithmetic},
      {"1,2;3,4;5,6,7;", kArithmetic},
      // Limits.
      {"1,1e100001", kArithmetic},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.text), c.expected) << "text: \"" << c.text << "\"";
}

TEST(MatrixText, BoundsTheExponentsOfAWholeText) {
  // 100 entries at the per-number bound fit the text's budget of 10^7 exponent digits ...
  std::string text;
  for (int i = 0; i < 100; ++i) text += "1e100000,";
  zq::BigMatrix m(text);
  EXPECT_EQ(m.NumColumns(), 100);
  EXPECT_EQ(m.GetElement(0, 99).Str().size(), 100001u);
  // ... one more does not.
  EXPECT_EQ(Read(text + "1e100000"), kArithmetic);
  EXPECT_EQ(Read(text + "1e-100000"), kArithmetic);
}

TEST(MatrixText, ReadsALargeMatrix) {
  std::string text;
  const int n = 120;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) text += std::to_string((i * 31 + j * 17) % 199 - 99) + (j + 1 < n ? "," : ";");
  zq::BigMatrix m(text);
  ASSERT_EQ(m.NumRows(), n);
  ASSERT_EQ(m.NumColumns(), n);
  EXPECT_EQ(m.GetElement(0, 0).Str(), "-99");
  EXPECT_EQ(m.GetElement(n - 1, n - 1).Str(), std::to_string(((n - 1) * 48) % 199 - 99));
}

}  // namespace
