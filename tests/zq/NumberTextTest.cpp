// Number text: the grammar, the exact values and the classes of failures.
#include <gtest/gtest.h>

#include "Outcome.h"

namespace {

using namespace zqtest;

struct TextCase {
  const char* text;
  std::string expected;  // lowest-terms text, or an exception class
};

std::string Read(const std::string& text) {
  return Outcome([&] { return zq::BigFraction(text).Str(); });
}

TEST(NumberText, ReadsTheGrammar) {
  const TextCase cases[] = {
      {"2/3", "2/3"},
      {"-2/5", "-2/5"},
      {"4/2", "2"},
      {"-6/-4", "3/2"},
      {"1/-2", "-1/2"},
      {"0/7", "0"},
      {"-0", "0"},
      {"+5", "5"},
      {".5", "1/2"},
      {"5.", "5"},
      {"-.25", "-1/4"},
      {"1.3", "13/10"},
      {"007", "7"},
      {"0.000", "0"},
      {"1e-10", "1/10000000000"},
      {"1E3", "1000"},
      {"1e+3", "1000"},
      {"1e-3", "1/1000"},
      {"2e4", "20000"},
      {"1.57e4/2", "7850"},
      {"7.6/3", "38/15"},
      {"5.67", "567/100"},
      {"1.5e-1/2.5e1", "3/500"},
      {"1e5/1e5", "1"},
      {"20000000003/30000000000", "20000000003/30000000000"},
      {"123456789012345678901234567890", "123456789012345678901234567890"},
      {"-12345678901234567890.5", "-24691357802469135781/2"},
      {"18446744073709551615", "18446744073709551615"},
      {"18446744073709551616", "18446744073709551616"},
      {"9999999999999999999", "9999999999999999999"},
      {"0.1234567890123456789", "1234567890123456789/10000000000000000000"},
      {" 5", "5"},
      {"5 ", "5"},
      {"\t-2/3\r\n", "-2/3"},
      {"\n\n 7 \t", "7"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.text), c.expected) << "text: \"" << c.text << "\"";
}

TEST(NumberText, RejectsTextOutsideTheGrammar) {
  const char* cases[] = {"",     " ",     "\t\n", ".",    "-",     "+",     "e5",   "1e",  "1e+",  "1e-",
                         "1.e",  "1 2",   "2 /3", "2/ 3", "1/2/3", "1/",    "/2",   "--1", "+-1",  "1-",
                         "0x10", "inf",   "nan",  "1,2",  "1;",    "1..2",  "1.2.3", "1e2.5", "½",  "1e5e5",
                         "abc",  "1\v",   "\f1",  "1a",   "٣",     "1 /2",  "1/2 x"};
  for (const char* text : cases) EXPECT_EQ(Read(text), kBadEntry) << "text: \"" << text << "\"";
  EXPECT_EQ(Read(std::string("1\0", 2)), kBadEntry);
}

TEST(NumberText, ZeroDenominatorDividesByZero) {
  for (const char* text : {"1/0", "0/0", "2/0.0e5", "-3/-0", "1/.0"})
    EXPECT_EQ(Read(text), kDivideByZero) << text;
  // The grammar is checked before the value: junk after a zero denominator is bad text.
  EXPECT_EQ(Read("1/0x"), kBadEntry);
}

TEST(NumberText, BoundsTheExponent) {
  EXPECT_EQ(Read("1e999999999"), kArithmetic);
  EXPECT_EQ(Read("1e-999999999"), kArithmetic);
  EXPECT_EQ(Read("1e99999999999999999999999999999999"), kArithmetic);
  EXPECT_EQ(Read("1/1e100001"), kArithmetic);
  EXPECT_EQ(Read("0e100001"), kArithmetic);  // the bound is on the text, not on the value
  // At the bound the number is read exactly.
  zq::BigFraction big("1e100000");
  EXPECT_EQ(big.Str().size(), 100001u);
  zq::BigFraction small("-1e-100000");
  EXPECT_EQ(zq::zqDen(small).Str().size(), 100001u);
  EXPECT_EQ(zq::zqNum(small).Str(), "-1");
  EXPECT_EQ(zq::BigFraction("1e100000/1e100000").Str(), "1");
}

TEST(NumberText, LongDigitRunsStayExact) {
  const std::string digits(5000, '7');
  EXPECT_EQ(Read(digits), digits);
  EXPECT_EQ(Read("-" + digits + "/" + digits), "-1");
  EXPECT_EQ(Read("0." + std::string(3000, '0') + "1"), "1/1" + std::string(3001, '0'));
}

}  // namespace
