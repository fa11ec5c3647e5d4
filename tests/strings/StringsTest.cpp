// The framework's string functions, as the program's code relies on them.
#include <gtest/gtest.h>

#include <cmath>
#include <clocale>
#include <limits>

#include "framework/Strings.h"

namespace {

struct ReplaceCase { const char* source; const char* find; const char* replacement; const char* expected; };

TEST(StringsReplaceAll, ReplacesEveryOccurrenceLeftToRightWithoutOverlap) {
  const ReplaceCase cases[] = {
      {"1,2,3", ",", " ", "1 2 3"},
      {"", ",", " ", ""},
      {"abc", "x", "y", "abc"},
      {"aaaa", "aa", "a", "aa"},        // one pass: what it creates is left for the next
      {"   ", "  ", " ", "  "},
      {" \n \n", " \n", "\n", "\n\n"},
      {"a;b;", ";", "\n", "a\nb\n"},
      {"x,y", ",", "  ", "x  y"},
      {"abc", "", "-", "abc"},          // nothing to find
      {"abab", "ab", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::ReplaceAll(c.source, c.find, c.replacement), QString(c.expected))
        << c.source << " / " << c.find;
}

TEST(StringsReplaceAll, LeavesItsArgumentUnchanged) {
  const QString source = "1,2";
  fw::ReplaceAll(source, ",", ";");
  EXPECT_EQ(source, "1,2");
}

TEST(StringsReplaceLineEndings, UnifiesEveryLineEndForm) {
  const struct { const char* source; const char* expected; } cases[] = {
      {"a\r\nb", "a|b"}, {"a\rb", "a|b"},   {"a\nb", "a|b"},
      {"\r\n\r\n", "||"}, {"\n\r", "||"},   {"\r\r\n", "||"},
      {"a\r", "a|"},      {"", ""},         {"no line end", "no line end"},
      {"1 2\r\n3 4\r5 6\n", "1 2|3 4|5 6|"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::ReplaceLineEndings(c.source, "|"), QString(c.expected)) << c.source;
  EXPECT_EQ(fw::ReplaceLineEndings("a\r\nb\rc", fw::EndOfLine::OSX()), "a\nb\nc");
}

TEST(StringsLTrim, RemovesLeadingBlanksTabsAndLineEndsOnly) {
  const struct { const char* source; const char* expected; } cases[] = {
      {"", ""},          {"   ", ""},        {" a b ", "a b "},   {"\t\tx", "x"},
      {"\n\n1;2", "1;2"}, {"\r\n \t x", "x"}, {"x  ", "x  "},      {",x", ",x"},
      {"\v x", "\v x"},  {"\f", "\f"},
  };
  for (const auto& c : cases) EXPECT_EQ(fw::LTrim(c.source), QString(c.expected)) << c.source;
}

TEST(StringsLen, CountsCharacters) {
  EXPECT_EQ(fw::Len(""), 0);
  EXPECT_EQ(fw::Len("-8640/4313"), 10);
  EXPECT_EQ(fw::Len(QString::fromUtf8("\xC3\xA9t\xC3\xA9")), 3);       // "été"
  EXPECT_EQ(fw::Len(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), 3);  // a, one emoji, b
}

struct CDblCase { const char* text; double expected; };

TEST(StringsCDbl, ReadsTheLongestLeadingDecimalNumber) {
  const CDblCase cases[] = {
      {"", 0},           {"abc", 0},         {"32abc", 32},       {"1.5", 1.5},
      {"30000000000", 3e10}, {"-5", -5},     {"+7", 7},           {"  15", 15},
      {"\t\n 15 ", 15},  {"15 20", 15},      {".5", 0.5},         {"5.", 5},
      {"-.25x", -0.25},  {".", 0},           {"-", 0},            {"+.", 0},
      {"1e3", 1000},     {"1E-2", 0.01},     {"2e", 2},           {"2e+", 2},
      {"2e+x", 2},       {"1.5e2.5", 150},   {"0x10", 0},         {"inf", 0},
      {"nan", 0},        {"-infinity", 0},   {"1,5", 1},          {"007", 7},
      {"2147483648", 2147483648.0},          {"- 5", 0},          {"--5", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(fw::CDbl(c.text), c.expected) << '"' << c.text << '"';
}

TEST(StringsCDbl, OutOfRangeGivesInfinityOrZeroLikeStrtod) {
  EXPECT_EQ(fw::CDbl("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(fw::CDbl("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(fw::CDbl("1e-999"), 0.0);
  EXPECT_EQ(fw::CDbl(QString(5000, u'9')), std::numeric_limits<double>::infinity());
}

TEST(StringsCDbl, IgnoresTheProcessLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  // A locale with a decimal comma, where installed; "C" otherwise (the test then still holds).
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(fw::CDbl("1.5"), 1.5);
  EXPECT_EQ(fw::CDbl("1,5"), 1.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(StringsRuntimeCvtReal64ToSInt32, TruncatesTowardZeroAndSaturates) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  const double inf = std::numeric_limits<double>::infinity();
  const struct { double x; std::int32_t expected; } cases[] = {
      {0.0, 0},          {-0.0, 0},           {1.9, 1},           {-1.9, -1},
      {15.0, 15},        {2.999999, 2},       {-0.5, 0},          {2147483647.0, kMax},
      {2147483647.9, kMax}, {2147483648.0, kMax}, {3e10, kMax},   {inf, kMax},
      {-2147483648.0, kMin}, {-2147483648.9, kMin}, {-3e10, kMin}, {-inf, kMin},
      {std::numeric_limits<double>::quiet_NaN(), 0}, {1e-300, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(fw::RuntimeCvtReal64ToSInt32(c.x), c.expected) << c.x;
}

TEST(StringsRuntimeCvtSInt32ToReal64, IsExact) {
  for (std::int32_t x : {0, 1, -1, 15, std::numeric_limits<std::int32_t>::max(),
                         std::numeric_limits<std::int32_t>::min()})
    EXPECT_EQ(fw::RuntimeCvtSInt32ToReal64(x), static_cast<double>(x));
}

TEST(StringsStr, WritesPlainDecimal) {
  EXPECT_EQ(fw::Str(0), "0");
  EXPECT_EQ(fw::Str(15), "15");
  EXPECT_EQ(fw::Str(-2), "-2");
  EXPECT_EQ(fw::Str(1000000), "1000000");
  EXPECT_EQ(fw::Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  EXPECT_EQ(fw::Str(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(StringsEndOfLine, BothFormsAreLineFeedOnLinux) {
  EXPECT_EQ(fw::EndOfLine::Default(), "\n");
  EXPECT_EQ(fw::EndOfLine::OSX(), "\n");
  EXPECT_EQ(fw::EndOfLineDefault(), fw::EndOfLine::Default());
}

}  // namespace
