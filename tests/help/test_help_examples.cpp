// The help text is the program's promise: every worked example in it, read
// from the text itself, is run through the real windows, and what they show
// must be what the help says, line for line.
#include <QRegularExpression>

#include "HelpExamples.h"
#include "HelpFixture.h"
#include "arithmetic/Windowbf.h"
#include "shell/App.h"
#include "shell/WindowHelp.h"
#include "solver/Window1.h"
#include "solver/Windowzq.h"

namespace helptest {
namespace {

const QString kWindowzqPath = QStringLiteral("Windowzq.Windowzq");

// Compares two area texts line by line and names the first line that differs.
::testing::AssertionResult SameLines(const QString& shown, const QString& promised) {
  const QStringList a = shown.split('\n'), b = promised.split('\n');
  for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
    const QString x = i < a.size() ? a[i] : QStringLiteral("<no line>");
    const QString y = i < b.size() ? b[i] : QStringLiteral("<no line>");
    if (x != y)
      return ::testing::AssertionFailure() << "line " << i + 1 << ": the program shows \"" << x.toStdString()
                                           << "\", the help text says \"" << y.toStdString() << "\"\n"
                                           << "program:\n" << shown.toStdString() << "\nhelp:\n"
                                           << promised.toStdString();
  }
  return ::testing::AssertionSuccess();
}

// Significant digits of a number as the floating-point layout writes it, or -1.
int SignificantDigits(const QString& line) {
  static const QRegularExpression number(QStringLiteral(R"(^-?(\d+)(?:\.(\d+))?$)"));
  const auto m = number.match(line);
  if (!m.hasMatch()) return -1;
  QString digits = m.captured(1) + m.captured(2);
  while (digits.startsWith('0')) digits.remove(0, 1);
  return int(digits.size());
}

class HelpWorkedExamples : public HelpFixture {
 protected:
  // The examples as a user reads them in a newly opened help window.
  static const std::vector<WorkedExample>& Examples() {
    static const std::vector<WorkedExample> examples = [] {
      CloseWindow(QStringLiteral("WindowHelp.WindowHelp"));
      const QString shown = get::WindowHelp().TextAreaHelp().Text();
      CloseWindow(QStringLiteral("WindowHelp.WindowHelp"));
      return ParseWorkedExamples(shown);
    }();
    return examples;
  }
  static const WorkedExample& Numbered(int n) {
    for (const WorkedExample& ex : Examples())
      if (ex.number == n) return ex;
    throw std::runtime_error("the help text has no example " + std::to_string(n));
  }

  // Types the example's rows into the main window and clicks Solve.
  static QString Solve(const WorkedExample& ex) {
    Window1& w = get::Window1();
    w.TextAreacm().SetText(ex.coefficientRows.join('\n') + '\n');
    w.TextArearhs().SetText(ex.rhsRows.join('\n') + '\n');
    w.PushButton1().click();
    return w.TextAreasol().Text();
  }

  // Solves with the digits a newly built floating-point window sets in force:
  // the first Solve builds that window, the second is formatted with them.
  static void SolveAtOpenDigits(const WorkedExample& ex) {
    CloseWindow(kWindowzqPath);
    Solve(ex);
    Solve(ex);
  }

  void TearDown() override { CloseWindow(kWindowzqPath); }
};

class EachWorkedExample : public HelpWorkedExamples, public ::testing::WithParamInterface<int> {};

TEST_P(EachWorkedExample, ProgramShowsWhatTheHelpSays) {
  const WorkedExample& ex = Numbered(GetParam());
  const QString promised = ExpectedAreaText(ex);
  switch (ex.shown) {
    case Shown::SolutionArea:
      EXPECT_EQ(ex.action, "Solve");
      EXPECT_TRUE(SameLines(Solve(ex), promised));
      break;
    case Shown::FloatingPointWindow: {
      SolveAtOpenDigits(ex);
      ASSERT_TRUE(get::App()._ChooseMenuItem("WindowWindowzq"));  // “floating point output”
      Windowzq& zq = get::Windowzq();
      EXPECT_TRUE(zq.isVisible());
      EXPECT_TRUE(SameLines(zq.TextAreazq().Text(), promised));
      break;
    }
    case Shown::ArithmeticZ: {
      Windowbf& bf = get::Windowbf();
      EXPECT_EQ(bf.PushButton1().Caption(), ex.action);
      bf.TextAreax().SetText(ex.x);
      bf.TextAreay().SetText(ex.y);
      bf.PushButton1().click();
      EXPECT_TRUE(SameLines(bf.TextAreaz().Text(), promised));
      break;
    }
  }
  EXPECT_EQ(fw::test::Messages(), QStringList()) << "no message box belongs to a worked example";
}

INSTANTIATE_TEST_SUITE_P(HelpText, EachWorkedExample, ::testing::Range(1, 9),
                         [](const auto& info) { return "Example" + std::to_string(info.param); });

TEST_F(HelpWorkedExamples, MainWindowOpensWithTheFirstExample) {
  const WorkedExample& ex = Numbered(1);
  CloseWindow(QString::fromLatin1(Window1::ClassPathName));
  Window1& w = get::Window1();
  const auto rows = [](const QString& text) { return text.split('\n', Qt::SkipEmptyParts); };
  EXPECT_EQ(rows(w.TextAreacm().Text()), ex.coefficientRows);
  EXPECT_EQ(rows(w.TextArearhs().Text()), ex.rhsRows);
}

// Example 5 goes on: replace 15 by 32 in the digit field, click Set DecPrec,
// Solve again, and every number comes with 32 digits.
TEST_F(HelpWorkedExamples, DigitFieldSetsTheDigitsOfTheNextSolve) {
  const WorkedExample& ex = Numbered(5);
  static const QRegularExpression replace(QStringLiteral(R"(replace (\d+) by (\d+))"));
  const auto m = replace.match(ex.prose.join('\n'));
  ASSERT_TRUE(m.hasMatch()) << "example 5 no longer tells how to change the digits";
  const int before = m.captured(1).toInt(), after = m.captured(2).toInt();

  int numbers = 0;
  for (const QString& line : ex.resultLines)
    if (const int d = SignificantDigits(line); d >= 0) {
      EXPECT_EQ(d, before) << line.toStdString();
      ++numbers;
    }
  EXPECT_EQ(numbers, 4);

  SolveAtOpenDigits(ex);
  Windowzq& zq = get::Windowzq();
  EXPECT_EQ(zq.TextFieldDecPrec().Text(), QString::number(before));
  zq.TextFieldDecPrec().SetText(QString::number(after));
  zq.PushButton1().click();
  Solve(ex);
  const QStringList shown = get::Windowzq().TextAreazq().Text().split('\n');
  ASSERT_EQ(shown.size(), ex.resultLines.size() + 1);  // and the final line end
  for (qsizetype i = 0; i < ex.resultLines.size(); ++i) {
    if (SignificantDigits(ex.resultLines[i]) < 0) EXPECT_EQ(shown[i], ex.resultLines[i]);
    else EXPECT_EQ(SignificantDigits(shown[i]), after) << shown[i].toStdString();
  }
}

// Example 8 puts the sum that example 7 computes in place of the 2/3 of
// example 7's matrix.
TEST_F(HelpWorkedExamples, PerturbedSystemUsesTheComputedSum) {
  const WorkedExample& sum = Numbered(7);
  const WorkedExample& perturbed = Numbered(8);
  ASSERT_EQ(sum.resultLines.size(), 1);
  ASSERT_EQ(perturbed.coefficientRows.size(), 2);
  EXPECT_EQ(perturbed.coefficientRows[1], "1/3 " + sum.resultLines[0]);
  EXPECT_TRUE(sum.prose.contains("1/3 " + sum.x)) << "example 7 varies its matrix entry x";
}

}  // namespace
}  // namespace helptest
