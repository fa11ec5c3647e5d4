// The floating-point output window: its digit setting, its hidden, shown and
// absent states, and the order in which a Solve and the window set precisions.
#include <QElapsedTimer>
#include <QFontInfo>
#include <limits>

#include "SolveFixture.h"

namespace solve_test {
namespace {

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
const char* const Det = "Determinant of coefficient matrix =";

const QString FractionsCoefficients = Lines({"2 1/3 -2/5", "-2/3 0 -1", "-2/7 5 -1/12"});
const QString FractionsRhs = Lines({"1", "2", "3"});
const QString FractionsAt15 = Lines(
    {"solution set:", "0.00486900069557153", "0.566890795270114", "-2.00324600046371", Det, "11.4100529100529"});
const QString FractionsAt32 =
    Lines({"solution set:", "0.0048690006955715279387897055413865", "0.56689079527011361001623000231857",
           "-2.0032460004637143519591931370276", Det, "11.410052910052910052910052910053"});
const QString FractionsAt2 = Lines({"solution set:", "0.0049", "0.57", "-2", Det, "11"});

class WindowzqTest : public SolveFixture {
 protected:
  void OpenFromMenu() { ASSERT_TRUE(get::App()._ChooseMenuItem(QStringLiteral("WindowWindowzq"))); }
  void SolveFractions() {
    Type(FractionsCoefficients, FractionsRhs);
    ClickSolve();
  }
};

// ---------------------------------------------------------------------------
// "Set DecPrec"

struct DigitCase {
  const char* name;
  QString typed;
  std::int32_t digits;            // d after the clamp below 2
  std::int32_t workingRequested;  // 4·d, saturated at the int32 maximum
};

void PrintTo(const DigitCase& c, std::ostream* os) { *os << c.name; }

const DigitCase DigitCases[] = {
    {"Zero", "0", 2, 8},
    {"One", "1", 2, 8},
    {"Negative", "-5", 2, 8},
    {"OneAndAHalf", "1.5", 2, 8},
    {"TwoPointNine", "2.9", 2, 8},  // the conversion truncates toward zero
    {"Empty", "", 2, 8},
    {"NotANumber", "abc", 2, 8},
    {"Fifteen", "15", 15, 60},
    {"ThirtyTwo", "32", 32, 128},
    {"ThirtyTwoPointZero", "32.0", 32, 128},
    {"LeadingNumberOnly", "32abc", 32, 128},
    {"LeadingBlanks", "  32", 32, 128},
    {"LargestWithoutOverflow", "536870911", 536870911, 2147483644},
    {"FourTimesOverflows", "536870912", 536870912, Int32Max},
    {"BeyondInt32", "30000000000", Int32Max, Int32Max},
};

class DigitFieldCases : public WindowzqTest, public ::testing::WithParamInterface<DigitCase> {};

TEST_P(DigitFieldCases, SetsBothPrecisionsAndShowsTheWholeNumber) {
  const DigitCase& c = GetParam();
  OpenFromMenu();
  SolveFractions();
  const QString shown = FloatingText();
  // Settings unlike those Open makes, so that "15" is seen to set them again.
  zq::zqSetPrecision(99);
  zq::zqSetOutputPrecision(7);

  SetDigits(c.typed);

  EXPECT_EQ(DigitField().text(), QString::number(c.digits));
  EXPECT_EQ(zq::zqGetOutputPrecision(), ComponentOutputPrecisionFor(c.digits));
  EXPECT_EQ(zq::zqGetPrecision(), ComponentPrecisionFor(c.workingRequested));
  EXPECT_EQ(FloatingText(), shown) << "Set DecPrec must not redo the shown text";
  EXPECT_TRUE(Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DigitFieldCases, ::testing::ValuesIn(DigitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowzqTest, NewDigitsApplyFromTheNextSolve) {
  OpenFromMenu();
  SetDigits(QStringLiteral("2"));
  EXPECT_EQ(FloatingText(), QString()) << "set before any Solve: the area stays empty";
  SolveFractions();
  EXPECT_EQ(FloatingText(), FractionsAt2);
  SetDigits(QStringLiteral("32"));
  EXPECT_EQ(FloatingText(), FractionsAt2);
  SolveFractions();
  EXPECT_EQ(FloatingText(), FractionsAt32);
}

TEST_F(WindowzqTest, SolveFinishesAtTheLargestDigitCount) {
  OpenFromMenu();
  SetDigits(QStringLiteral("30000000000"));
  ASSERT_EQ(DigitField().text(), QStringLiteral("2147483647"));
  Type(Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), Lines({"8", "-11", "-3"}));
  QElapsedTimer timer;
  timer.start();
  ClickSolve();
  const qint64 ms = timer.elapsed();
  RecordProperty("solve_ms", static_cast<int>(ms));
  EXPECT_EQ(Solution().toPlainText(), Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}));
  EXPECT_TRUE(FloatingText().startsWith(QStringLiteral("solution set:\n2.333333333333333333333333333333")));
  EXPECT_TRUE(FloatingText().endsWith(QStringLiteral("\n") + Det + QStringLiteral("\n18\n")));
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_LT(ms, 20000) << "Solve at the largest digit count took " << ms << " ms";
}

// ---------------------------------------------------------------------------
// Open, the menu item and Close

TEST_F(WindowzqTest, MenuItemBuildsAndShowsTheWindowWithOpenDefaults) {
  zq::zqSetPrecision(99);
  zq::zqSetOutputPrecision(7);
  OpenFromMenu();
  fw::Window& w = Windowzq();
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(get::App().WindowzqOpen);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("floating point output"));
  EXPECT_EQ(DigitField().text(), QStringLiteral("15"));
  EXPECT_EQ(FloatingText(), QString());
  EXPECT_EQ(zq::zqGetPrecision(), ComponentPrecisionFor(60));
  EXPECT_EQ(zq::zqGetOutputPrecision(), 15);
  EXPECT_EQ(Find<fw::PushButton>(w, "PushButton1").text(), QStringLiteral("Set DecPrec"));
  EXPECT_TRUE(DigitField().alignment() & Qt::AlignHCenter);
  // Columns of the layouts line up only in a fixed-pitch font.
  EXPECT_TRUE(QFontInfo(Find<fw::TextArea>(w, "TextAreazq").font()).fixedPitch());

  // A second choice only brings the same window to the front.
  OpenFromMenu();
  EXPECT_EQ(LiveWindowzq(), &w);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(get::App().WindowzqOpen);
  EXPECT_EQ(DigitField().text(), QStringLiteral("15"));
}

TEST_F(WindowzqTest, TextAreaKeepsItsMarginsWhenTheWindowIsResized) {
  OpenFromMenu();
  fw::TextArea& area = Find<fw::TextArea>(Windowzq(), "TextAreazq");
  QWidget& content = *area.parentWidget();
  const QSize growth(200, 100);
  const QRect button = Find<fw::PushButton>(Windowzq(), "PushButton1").geometry();
  Windowzq().resize(Windowzq().size() + growth);
  QCoreApplication::processEvents();
  EXPECT_EQ(area.geometry(), QRect(20, 53, content.width() - 40, content.height() - 53 - 15));
  EXPECT_EQ(Find<fw::PushButton>(Windowzq(), "PushButton1").geometry(), button);
}

TEST_F(WindowzqTest, SolveWhileTheUserHasTheWindowOpenLeavesItShown) {
  OpenFromMenu();
  fw::Window* w = LiveWindowzq();
  SolveFractions();
  EXPECT_EQ(LiveWindowzq(), w);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(FloatingText(), FractionsAt15);
  EXPECT_TRUE(get::App().WindowzqOpen);
}

TEST_F(WindowzqTest, SolveBuildsTheWindowHiddenAndAnotherSolveReplacesItsText) {
  SolveFractions();
  fw::Window* w = LiveWindowzq();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(get::App().WindowzqOpen);
  EXPECT_EQ(DigitField().text(), QStringLiteral("15"));
  EXPECT_EQ(FloatingText(), FractionsAt15);

  Type(QStringLiteral("4"), QStringLiteral("2"));
  ClickSolve();
  EXPECT_EQ(LiveWindowzq(), w);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(FloatingText(), Lines({"solution set:", "0.5", Det, "4"}));
}

TEST_F(WindowzqTest, MenuItemShowsTheHiddenWindowWithoutOpeningItAgain) {
  SolveFractions();
  SetDigits(QStringLiteral("20"));   // clicked while hidden
  DigitField().setText(QStringLiteral("21"));  // typed, not applied
  fw::Window* w = LiveWindowzq();

  OpenFromMenu();
  EXPECT_EQ(LiveWindowzq(), w);
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(get::App().WindowzqOpen);
  EXPECT_EQ(DigitField().text(), QStringLiteral("21"));
  EXPECT_EQ(FloatingText(), FractionsAt15);
  EXPECT_EQ(zq::zqGetOutputPrecision(), 20);
  EXPECT_EQ(zq::zqGetPrecision(), ComponentPrecisionFor(80));
}

TEST_F(WindowzqTest, ClosingClearsTheFlagAndKeepsThePrecisions) {
  OpenFromMenu();
  SetDigits(QStringLiteral("32"));
  CloseWindowzq();
  EXPECT_EQ(LiveWindowzq(), nullptr);
  EXPECT_FALSE(get::App().WindowzqOpen);
  EXPECT_EQ(zq::zqGetOutputPrecision(), 32);
  EXPECT_EQ(zq::zqGetPrecision(), ComponentPrecisionFor(128));
}

// The Solve formats before it touches the window: the one that has to build a
// new window uses the digits in force before it; the new window's Open then
// sets 15 for the following Solve.
TEST_F(WindowzqTest, SolveAfterClosingAt32DigitsFormatsAt32ThenTheNextAt15) {
  OpenFromMenu();
  SetDigits(QStringLiteral("32"));
  CloseWindowzq();

  SolveFractions();
  ASSERT_NE(LiveWindowzq(), nullptr);
  EXPECT_FALSE(Windowzq().isVisible());
  EXPECT_EQ(DigitField().text(), QStringLiteral("15"));
  EXPECT_EQ(FloatingText(), FractionsAt32);
  EXPECT_EQ(zq::zqGetOutputPrecision(), 15);
  EXPECT_EQ(zq::zqGetPrecision(), ComponentPrecisionFor(60));

  SolveFractions();
  EXPECT_EQ(FloatingText(), FractionsAt15);
}

TEST_F(WindowzqTest, RowNumberMismatchLeavesAnOpenWindowAlone) {
  OpenFromMenu();
  SolveFractions();
  Type(FractionsCoefficients, Lines({"1", "2"}));
  ClickSolve();
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("row number mismatch")});
  EXPECT_EQ(FloatingText(), FractionsAt15);
  EXPECT_TRUE(Windowzq().isVisible());
}

}  // namespace
}  // namespace solve_test
