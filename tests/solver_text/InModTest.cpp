// Typed matrix text to one-line matrix text.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "LiteralInMod.h"
#include "solver/MatrixText.h"

namespace {

struct InModCase { const char* name; const char* typed; const char* expected; };

const InModCase kCases[] = {
    {"default coefficients", "2 1 -5\n-3 -1 2\n-3 1 -2\n", "2,1,-5;-3,-1,2;-3,1,-2;"},
    {"default right-hand side", "8\n-11\n-3\n", "8;-11;-3;"},
    {"loosely typed, no final line end", "2, 1 ;-5\n\n-3 -1   2\n-3;1,-2", "2,1,-5;-3,-1,2;-3,1,-2"},
    {"one-line text typed in is one row", "2,1,-5;-3,-1,2;-3,1,-2;", "2,1,-5,-3,-1,2,-3,1,-2,"},
    {"last line ends in blanks", "1 2\n3 4   ", "1,2;3,4,"},
    {"last line ends in blanks and a line end", "1 2\n3 4   \n", "1,2;3,4;"},
    {"several final line ends give one ;", "1 2\n3 4\n\n\n", "1,2;3,4;"},
    {"blank lines after the last row", "1 2\n  \n , ;\n", "1,2;"},
    {"blank-only last line without line end", "1 2\n   ", "1,2;"},
    {"empty and separator-only lines between rows", "1 2\n\n \n,;,\n ; \n3 4", "1,2;3,4"},
    {"separator runs within a line", "1 ,; , 2;;3", "1,2,3"},
    {"a semicolon does not end a row", "1;2\n3;4\n", "1,2;3,4;"},
    {"blanks at line starts", "  1 2\n   3 4\n", "1,2;3,4;"},
    {"separators at line starts", ",1 2\n;3 4", "1,2;3,4"},
    {"empty lines before the first row", "\n\n\n1 2", "1,2"},
    {"blank lines before the first row", " \n \n 1 2", "1,2"},
    {"tab between numbers stays inside one entry", "1\t2 3", "1\t2,3"},
    {"tab at the end of an entry", "1\t 2\t\n", "1\t,2\t;"},
    {"tab at a later line's start stays", "1\n\t2", "1;\t2"},
    {"leading tab of the text goes with the leading white space", "\t1 2", "1,2"},
    {"leading tab and line ends", "\t\n \t 1", "1"},
    {"carriage return is an ordinary character", "1\r2\r\n3", "1\r2\r;3"},
    {"other characters stay", "a b/c 1e-3 \xC3\xA9", "a,b/c,1e-3,\xC3\xA9"},
    {"empty text", "", ""},
    {"blanks only", "    ", ""},
    {"separators only", " ,; ;, ", ""},
    {"line ends and separators only", "\n ,\n;\n\n", ""},
    {"single entry", "7", "7"},
    {"single entry with line end", "7\n", "7;"},
};

TEST(MatrixTextInMod, TypedTextsGiveTheirOneLineText) {
  for (const auto& c : kCases) {
    const QString typed = QString::fromUtf8(c.typed);
    EXPECT_EQ(MatrixText::inMod(typed), QString::fromUtf8(c.expected)) << c.name;
    EXPECT_EQ(literalInMod(typed), QString::fromUtf8(c.expected)) << "literal steps: " << c.name;
  }
}

TEST(MatrixTextInMod, LeavesItsArgumentUnchanged) {
  const QString typed = "1, 2\n\n3 4 ";
  MatrixText::inMod(typed);
  EXPECT_EQ(typed, "1, 2\n\n3 4 ");
}

// Every text up to length 6 over an alphabet that holds each kind of character.
TEST(MatrixTextInMod, AgreesWithTheLiteralStepsOnEveryShortText) {
  const char16_t alphabet[] = {u'1', u' ', u',', u';', u'\n', u'\t'};
  constexpr int k = sizeof(alphabet) / sizeof(alphabet[0]);
  for (int length = 0; length <= 6; ++length) {
    int total = 1;
    for (int i = 0; i < length; ++i) total *= k;
    for (int code = 0; code < total; ++code) {
      QString typed;
      for (int i = 0, rest = code; i < length; ++i, rest /= k) typed += QChar(alphabet[rest % k]);
      ASSERT_EQ(MatrixText::inMod(typed), literalInMod(typed)) << typed.toStdString();
    }
  }
}

// Longer random texts, biased toward runs of separators and line ends.
TEST(MatrixTextInMod, AgreesWithTheLiteralStepsOnGeneratedTexts) {
  const QString pieces[] = {"1",  "-2", "3/4", "5.5e-3", "x",  "\t", "\r", " ",
                            "  ", ",",  ";",   " , ",    "\n", "\n\n", " \n ", "\xC3\xA9"};
  constexpr int k = sizeof(pieces) / sizeof(pieces[0]);
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    std::mt19937 rng(seed);
    for (int n = 0; n < 500; ++n) {
      QString typed;
      const int count = static_cast<int>(rng() % 40);
      for (int i = 0; i < count; ++i) typed += pieces[rng() % k];
      ASSERT_EQ(MatrixText::inMod(typed), literalInMod(typed))
          << "seed " << seed << " text " << n << ": " << typed.toStdString();
    }
  }
}

// LTrim's share of the work, however long the leading white space.
TEST(MatrixTextInMod, LeadingWhiteSpaceOfAnyLength) {
  for (int length : {0, 1, 63, 64, 65, 127, 128, 129, 500}) {
    QString head;
    for (int i = 0; i < length; ++i) head += QString("\t\r\n ,;").at(i % 6);
    for (const QString& rest : {QString("1 2"), QString(), QString("\t"), QString(" \n")}) {
      const QString typed = head + rest;
      EXPECT_EQ(MatrixText::inMod(typed), literalInMod(typed)) << length << " " << rest.toStdString();
    }
  }
  EXPECT_EQ(MatrixText::inMod(QString(300, u'\t') + "5"), "5");
}

double millisecondsOf(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A quadratic normalisation takes minutes on these; a linear one milliseconds.
// The bound is loose enough for the sanitizer build.
constexpr double kLinearBoundMs = 1000;

TEST(MatrixTextInMod, LongRunsTakeLinearTime) {
  const QString trailingBlanks = "1 2" + QString(100000, u' ') + "\n3 4";
  const QString emptyLines = "1 2" + QString(100000, u'\n') + "3 4";
  const QString blankLines = "1 2" + QString(100000, u'\n').replace("\n", " \n") + "3 4";
  const QString innerBlanks = "1" + QString(100000, u' ') + "2" + QString(100000, u',') + "3";
  QString result;
  EXPECT_LT(millisecondsOf([&] { result = MatrixText::inMod(trailingBlanks); }), kLinearBoundMs);
  EXPECT_EQ(result, "1,2;3,4");
  EXPECT_LT(millisecondsOf([&] { result = MatrixText::inMod(emptyLines); }), kLinearBoundMs);
  EXPECT_EQ(result, "1,2;3,4");
  EXPECT_LT(millisecondsOf([&] { result = MatrixText::inMod(blankLines); }), kLinearBoundMs);
  EXPECT_EQ(result, "1,2;3,4");
  EXPECT_LT(millisecondsOf([&] { result = MatrixText::inMod(innerBlanks); }), kLinearBoundMs);
  EXPECT_EQ(result, "1,2,3");
}

TEST(MatrixTextInMod, PasteOfAThousandByThousandMatrixIsFast) {
  std::mt19937 rng(42);
  std::string typedText, expectedText;
  for (int i = 0; i < 1000; ++i) {
    for (int j = 0; j < 1000; ++j) {
      const std::string entry = std::to_string(static_cast<int>(rng() % 199) - 99);
      typedText += entry + (j + 1 < 1000 ? "  " : " \n");
      expectedText += entry + (j + 1 < 1000 ? "," : ";");
    }
  }
  const QString typed = QString::fromStdString(typedText);
  const QString expected = QString::fromStdString(expectedText);
  ASSERT_GT(typed.size(), 4'000'000);
  QString result;
  const double ms = millisecondsOf([&] { result = MatrixText::inMod(typed); });
  EXPECT_EQ(result, expected);
  EXPECT_LT(ms, 500);
  RecordProperty("inMod_1000x1000_ms", static_cast<int>(ms));
  std::printf("inMod of a %lld-character 1000x1000 paste: %.1f ms\n",
              static_cast<long long>(typed.size()), ms);
}

}  // namespace
