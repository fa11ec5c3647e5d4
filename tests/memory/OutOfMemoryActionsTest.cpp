// When memory runs out in Solve or in the arithmetic window: the true message,
// every typed text kept, nothing half-done written, and the next computation
// right, with the memory still as short.
#include <random>

#include "MemoryLimit.h"
#include "tests/arith_window/ArithWindowFixture.h"
#include "tests/solve/SolveFixture.h"

namespace {

using memory_test::LeaveMemory;
using memory_test::RunsHere;

const QString kSolveMessage = QStringLiteral("Not enough memory to solve this system.");
const QString kArithmeticMessage = QStringLiteral("Not enough memory for this result.");

// rows x cols of fractions p/q, |p| <= 99, 1 <= q <= 99, as typed: blanks
// between entries, one line per row.
QString FractionRows(int rows, int cols, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> p(-99, 99), q(1, 99);
  QString text;
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j)
      text += QString::number(p(rng)) + QLatin1Char('/') + QString::number(q(rng)) +
              QLatin1Char(j + 1 < cols ? ' ' : '\n');
  return text;
}

// A Solve whose solution needs some 8 MiB while 6 MiB are left.
constexpr std::int64_t kSolveMemory = std::int64_t{6} << 20;

struct BigSystem {
  const char* name;
  int rows;
  int unknowns;
  int rightHandSides;
};

class SolveOutOfMemory : public solve_test::SolveFixture, public ::testing::WithParamInterface<BigSystem> {};

TEST_P(SolveOutOfMemory, SaysSoKeepsEveryTextAndTheNextSolveIsRight) {
  if (!RunsHere()) return;
  // A first result, which the failed Solve must leave as it is.
  Type(solve_test::Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), solve_test::Lines({"8", "-11", "-3"}));
  ClickSolve();
  const QString firstSolution = Solution().toPlainText();
  const QString firstFloating = FloatingText();
  ASSERT_TRUE(firstSolution.contains(QStringLiteral("40/9"))) << firstSolution.toStdString();

  const BigSystem& big = GetParam();
  const QString coefficients = FractionRows(big.rows, big.unknowns, 1);
  const QString rhs = FractionRows(big.rows, big.rightHandSides, 2);
  const LeaveMemory shortOfMemory(kSolveMemory);
  for (int attempt = 0; attempt < 2; ++attempt) {
    SCOPED_TRACE(attempt == 0 ? "first attempt" : "second attempt");
    fw::test::ClearMessages();
    Type(coefficients, rhs);
    ClickSolve();
    EXPECT_EQ(Messages(), QStringList{kSolveMessage});
    EXPECT_EQ(Coefficients().toPlainText(), coefficients);
    EXPECT_EQ(RightHandSide().toPlainText(), rhs);
    EXPECT_EQ(Solution().toPlainText(), firstSolution);
    EXPECT_EQ(FloatingText(), firstFloating);
  }

  // Still as short of memory: a small system solves right.
  fw::test::ClearMessages();
  Type(solve_test::Lines({"2 1", "1 3"}), solve_test::Lines({"3", "5"}));
  ClickSolve();
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(Solution().toPlainText(), solve_test::Lines({"solution set:", "4/5", "7/5",
                                                          "Determinant of coefficient matrix =", "5"}));
}

const BigSystem kBigSystems[] = {
    {"Square", 60, 60, 30},
    // Not square: the reduced row echelon form of the augmented matrix.
    {"MoreUnknownsThanEquations", 60, 61, 30},
};

INSTANTIATE_TEST_SUITE_P(Table, SolveOutOfMemory, ::testing::ValuesIn(kBigSystems),
                         [](const ::testing::TestParamInfo<BigSystem>& info) { return std::string(info.param.name); });

// 64 KiB are left: 60000-digit operands are read, their result does not fit.
constexpr std::int64_t kArithmeticMemory = 64 << 10;

struct BigOperation {
  const char* name;
  const char* button;
  int xDigits;  // 0: x is "7/3"
  const char* y;  // nullptr: as long as x
};

class ArithmeticOutOfMemory : public ArithWindowTest, public ::testing::WithParamInterface<BigOperation> {};

QString LongNumber(int digits, char first) {
  QString s(digits, QLatin1Char('7'));
  s[0] = QLatin1Char(first);
  s[digits / 2] = QLatin1Char('3');
  return s;
}

TEST_P(ArithmeticOutOfMemory, SaysSoKeepsTheOperandsAndZAndTheNextResultIsRight) {
  if (!RunsHere()) return;
  fw::Window& w = open();
  QPlainTextEdit& x = area(w, "TextAreax");
  QPlainTextEdit& y = area(w, "TextAreay");
  QPlainTextEdit& z = area(w, "TextAreaz");
  x.setPlainText(QStringLiteral("1/2"));
  y.setPlainText(QStringLiteral("1/3"));
  buttonCaptioned(w, QStringLiteral("Add")).click();
  ASSERT_EQ(z.toPlainText(), QStringLiteral("5/6"));

  const BigOperation& op = GetParam();
  const QString xText = op.xDigits ? LongNumber(op.xDigits, '9') : QStringLiteral("7/3");
  const QString yText = op.y ? QString::fromUtf8(op.y) : LongNumber(op.xDigits, '8');
  const LeaveMemory shortOfMemory(kArithmeticMemory);
  x.setPlainText(xText);
  y.setPlainText(yText);
  fw::test::ClearMessages();
  buttonCaptioned(w, QString::fromUtf8(op.button)).click();
  EXPECT_EQ(fw::test::Messages(), QStringList{kArithmeticMessage});
  EXPECT_EQ(x.toPlainText(), xText);
  EXPECT_EQ(y.toPlainText(), yText);
  EXPECT_EQ(z.toPlainText(), QStringLiteral("5/6"));

  fw::test::ClearMessages();
  x.setPlainText(QStringLiteral("1/2"));
  y.setPlainText(QStringLiteral("1/3"));
  buttonCaptioned(w, QStringLiteral("Sub")).click();
  EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(z.toPlainText(), QStringLiteral("1/6"));
}

const BigOperation kBigOperations[] = {
    {"Mul", "Mul", 60000, nullptr},
    {"Div", "Div", 60000, nullptr},
    {"Sqr", "Sqr", 60000, "1"},
    // 264,000 digits: below the window's own bound, refused before computing.
    {"Power", "x^y", 0, "200000"},
};

INSTANTIATE_TEST_SUITE_P(Table, ArithmeticOutOfMemory, ::testing::ValuesIn(kBigOperations),
                         [](const ::testing::TestParamInfo<BigOperation>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
