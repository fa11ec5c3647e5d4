// The Solve button: exact and floating-point result texts, messages, and what
// stays untouched.
#include "SolveFixture.h"

namespace solve_test {
namespace {

const char* const Heading =
    "Here is the reduced row echelon matrix of the coefficient matrix augmented with the r.h.s vector or matrix:";
const char* const Det = "Determinant of coefficient matrix =";

struct ResultCase {
  const char* name;
  QString coefficients, rhs;
  QString exact;     // whole text of TextAreasol
  QString floating;  // whole text of TextAreazq at 15 output digits
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

const ResultCase ResultCases[] = {
    {"DefaultSystem", Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), Lines({"8", "-11", "-3"}),
     Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}),
     Lines({"solution set:", "2.33333333333333", "4.44444444444444", "0.222222222222222", Det, "18"})},
    // A table ends its last row itself, so E after it leaves an empty line.
    {"TwoRightHandSides", Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), Lines({"8 3", "-11 -5", "-3 2"}),
     Lines({"solution set:", "7/3   1/2", "40/9  9/2", "2/9   1/2", "", Det, "18"}),
     Lines({"solution set:", "2.33333333333333   0.5", "4.44444444444444   4.5", "0.222222222222222  0.5", "", Det,
            "18"})},
    {"ZeroDeterminant", Lines({"1 2 3", "4 5 6", "7 8 9"}), Lines({"1", "2", "3"}),
     Lines({"The coefficient matrix has zero determinant", Heading, "1  0  -1  -1/3", "0  1  2   2/3", "0  0  0   0", ""}),
     Lines({"The coefficient matrix has zero determinant", Heading, "1  0  -1  -0.333333333333333",
            "0  1  2   0.666666666666667", "0  0  0   0", ""})},
    {"Fractions", Lines({"2 1/3 -2/5", "-2/3 0 -1", "-2/7 5 -1/12"}), Lines({"1", "2", "3"}),
     Lines({"solution set:", "21/4313", "2445/4313", "-8640/4313", Det, "4313/378"}),
     Lines({"solution set:", "0.00486900069557153", "0.566890795270114", "-2.00324600046371", Det,
            "11.4100529100529"})},
    {"DecimalsAndExponents", Lines({"1e-3 1/3 5.67", "-2 0 7.6/3", "2e4 -6 1.57e4/2"}), Lines({"1", "2", "3"}),
     Lines({"solution set:", "-59440950/249640621", "-3610162371/499281242", "150157635/249640621", Det,
            "249640621/11250"}),
     Lines({"solution set:", "-0.238106081301568", "-7.2307190162774", "0.601495198972446", Det,
            "22190.2774222222"})},
    {"PerturbedSystem", Lines({"1 2", "1/3 20000000003/30000000000"}), Lines({"1", "2"}),
     Lines({"solution set:", "-99999999997/3", "50000000000/3", Det, "1/10000000000"}),
     Lines({"solution set:", "-33333333332.3333", "16666666666.6667", Det, "1e-10"})},
    {"OneByOne", QStringLiteral("4"), QStringLiteral("2"), Lines({"solution set:", "1/2", Det, "4"}),
     Lines({"solution set:", "0.5", Det, "4"})},
    // Non-square: the floating text ends with the table's own row end, no E.
    {"FewerEquations", QStringLiteral("1 2"), QStringLiteral("3"),
     Lines({"The  number of equations is fewer than the number of unknowns.", Heading, "1  2  3", ""}),
     Lines({"The  number of equations is fewer than the number of unknowns.", Heading, "1  2  3"})},
    {"MoreEquations", Lines({"1", "2"}), Lines({"3", "6"}),
     Lines({"The  number of equations is more than the number of unknowns.", Heading, "1  3", "0  0", ""}),
     Lines({"The  number of equations is more than the number of unknowns.", Heading, "1  3", "0  0"})},
    // Line ends of other systems and loose separators read as the default system.
    {"PastedLineEndsAndLooseSeparators", QStringLiteral("2, 1 ;-5\r\n\r\n-3 -1   2\r-3;1,-2"),
     QStringLiteral("8\r\n-11\r-3\r\n\r\n"), Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}),
     Lines({"solution set:", "2.33333333333333", "4.44444444444444", "0.222222222222222", Det, "18"})},
};

class SolveResults : public SolveFixture, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(SolveResults, WritesExactAndFloatingTextAndLeavesInputs) {
  const ResultCase& c = GetParam();
  zq::zqSetPrecision(60);
  zq::zqSetOutputPrecision(15);
  Type(c.coefficients, c.rhs);
  // The area shows pasted "\r\n" and "\r" as line breaks of its own.
  const QString coefficients = Coefficients().toPlainText(), rhs = RightHandSide().toPlainText();
  ClickSolve();
  EXPECT_EQ(Solution().toPlainText(), c.exact);
  ASSERT_NE(LiveWindowzq(), nullptr);
  EXPECT_EQ(FloatingText(), c.floating);
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(Coefficients().toPlainText(), coefficients);
  EXPECT_EQ(RightHandSide().toPlainText(), rhs);
}

INSTANTIATE_TEST_SUITE_P(Cases, SolveResults, ::testing::ValuesIn(ResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Failures: one message each; nothing written; the window not built.

struct FailureCase {
  const char* name;
  QString coefficients, rhs;
  QString message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

const FailureCase FailureCases[] = {
    {"RowNumberMismatch", Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), Lines({"8", "-11"}),
     QStringLiteral("row number mismatch")},
    {"BadEntryInCoefficients", Lines({"2 1 -5", "-3 abc 2", "-3 1 -2"}), Lines({"8", "-11", "-3"}),
     QStringLiteral("Bad entry")},
    {"BadEntryInRightHandSide", Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), Lines({"8", "-11", "x"}),
     QStringLiteral("Bad entry")},
    // A tab separates nothing: "2\t1" is one entry, which is no number.
    {"TabIsNoSeparator", QStringLiteral("2\t1"), QStringLiteral("1"), QStringLiteral("Bad entry")},
    {"EmptyCoefficients", QString(), Lines({"1"}), QStringLiteral("Bad entry")},
    {"ZeroDenominator", Lines({"1/0 1", "1 1"}), Lines({"1", "2"}), QStringLiteral("Can't divide by zero")},
    // Any other failure of the component.
    {"RowsOfUnequalLength", Lines({"1 2", "3"}), Lines({"1", "2"}), QStringLiteral("Bad Entry")},
    {"ExponentTooLarge", QStringLiteral("1e100001"), QStringLiteral("1"), QStringLiteral("Bad Entry")},
};

class SolveFailures : public SolveFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SolveFailures, ShowOneMessageAndWriteNothing) {
  const FailureCase& c = GetParam();
  const QString before = QStringLiteral("previous result\n");
  Solution().setPlainText(before);
  Type(c.coefficients, c.rhs);
  ClickSolve();
  EXPECT_EQ(Messages(), QStringList{c.message});
  EXPECT_EQ(Solution().toPlainText(), before);
  EXPECT_EQ(LiveWindowzq(), nullptr) << "the floating-point output window was referenced";
  EXPECT_EQ(Coefficients().toPlainText(), c.coefficients);
  EXPECT_EQ(RightHandSide().toPlainText(), c.rhs);
}

INSTANTIATE_TEST_SUITE_P(Cases, SolveFailures, ::testing::ValuesIn(FailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolveFixture, FailureAfterASolveKeepsBothPreviousTexts) {
  Type(QStringLiteral("4"), QStringLiteral("2"));
  ClickSolve();
  const QString exact = Solution().toPlainText();
  const QString floating = FloatingText();
  ASSERT_FALSE(exact.isEmpty());
  ASSERT_FALSE(floating.isEmpty());

  for (const FailureCase& c : FailureCases) {
    fw::test::ClearMessages();
    Type(c.coefficients, c.rhs);
    ClickSolve();
    EXPECT_EQ(Messages(), QStringList{c.message}) << c.name;
    EXPECT_EQ(Solution().toPlainText(), exact) << c.name;
    EXPECT_EQ(FloatingText(), floating) << c.name;
  }
}

TEST_F(SolveFixture, EachSolveReplacesBothWholeTexts) {
  Solution().setPlainText(QStringLiteral("typed by the user"));
  Type(QStringLiteral("4"), QStringLiteral("2"));
  ClickSolve();
  Find<fw::TextArea>(Windowzq(), "TextAreazq").setPlainText(QStringLiteral("edited"));
  Type(QStringLiteral("1 2"), QStringLiteral("3"));
  ClickSolve();
  EXPECT_TRUE(Solution().toPlainText().startsWith(QStringLiteral("The  number of equations is fewer")));
  EXPECT_TRUE(FloatingText().startsWith(QStringLiteral("The  number of equations is fewer")));
}

}  // namespace
}  // namespace solve_test
