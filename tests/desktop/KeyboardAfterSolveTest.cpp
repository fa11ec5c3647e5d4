// After a Solve the keyboard stays where the user left it in the main window,
// whether the Solve had to build the floating-point output window (which it
// hides again at once) or found it built, hidden or shown.
#include <X11/keysym.h>

#include <QApplication>

#include "DesktopFixture.h"

namespace desktop {
namespace {

const QString WindowzqPath = QStringLiteral("Windowzq.Windowzq");
// The main window's example system, solved.
const QString Solution = QStringLiteral("solution set:\n7/3\n40/9\n2/9\nDeterminant of coefficient matrix =\n18\n");

enum class Before { NoWindow, WindowHidden, WindowShown };

struct Case {
  const char* name;
  Before before;
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class KeyboardAfterSolve : public DesktopTest, public ::testing::WithParamInterface<Case> {
 protected:
  fw::TextArea& SolutionArea() { return Find<fw::TextArea>(Main(), "TextAreasol"); }
  fw::PushButton& SolveButton() { return Find<fw::PushButton>(Main(), "PushButton1"); }

  // The user brings the floating-point output window to the state the case
  // names, then clicks into the coefficient area, and the solution area is
  // emptied so that the next Solve shows.
  void Prepare(Before before) {
    if (before == Before::WindowHidden) {
      Click(SolveButton());
      ASSERT_TRUE(WaitUntil([&] { return fw::_GetImplicitWindow(WindowzqPath) != nullptr; }));
    }
    if (before == Before::WindowShown) {
      ChooseMenuItem(Main(), "WindowMenu", "WindowWindowzq");
      fw::Window& floating = LiveWindow(WindowzqPath);
      ASSERT_TRUE(WaitActive(floating));
      // Side by side, so that the user can reach the main window's controls.
      ASSERT_TRUE(MoveApart(Main(), floating));
      for (QWidget* reached : {static_cast<QWidget*>(&SolveButton()), &Find<QWidget>(Main(), "TextAreacm")})
        ASSERT_FALSE(floating.frameGeometry().intersects(QRect(OnScreen(*reached, QPoint(0, 0)), reached->size())));
    }
    Settle();
    Click(Find<fw::TextArea>(Main(), "TextAreacm"));
    ASSERT_TRUE(WaitActive(Main()));
    SolutionArea().clear();
  }
};

TEST_P(KeyboardAfterSolve, KeysTypedAfterTheClickReachTheMainWindow) {
  const Case& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(Prepare(c.before));
  ActivationLog activations;

  Click(SolveButton());
  ASSERT_TRUE(WaitUntil([&] { return SolutionArea().toPlainText() == Solution; }));
  Settle();  // the window manager has done what the Solve asked of it
  fw::Window& floating = LiveWindow(WindowzqPath);
  EXPECT_EQ(floating.isVisible(), c.before == Before::WindowShown);
  EXPECT_FALSE(activations.Activated(floating)) << "the floating-point output window took the keyboard";
  EXPECT_TRUE(WaitActive(Main())) << KeyboardReport(Main());
  EXPECT_EQ(QApplication::focusWidget(), &SolveButton());

  // Tab, 77, Shift+Tab, Space: into the solution area and back to Solve.
  PressKey(XK_Tab);
  TypeText(QStringLiteral("77"));
  EXPECT_TRUE(WaitUntil([&] { return SolutionArea().toPlainText() == QStringLiteral("77") + Solution; }))
      << "typed into the solution area: " << SolutionArea().toPlainText().toStdString();
  PressKey(XK_Tab, /*shift=*/true);
  EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == &SolveButton(); }));
  PressKey(XK_space);  // clicks Solve, which writes the solution again
  EXPECT_TRUE(WaitUntil([&] { return SolutionArea().toPlainText() == Solution; }));

  Settle();
  EXPECT_EQ(Find<fw::TextField>(floating, "TextFieldDecPrec").text(), QStringLiteral("15"));
  EXPECT_EQ(floating.isVisible(), c.before == Before::WindowShown);
  EXPECT_TRUE(WaitActive(Main())) << KeyboardReport(Main());
}

INSTANTIATE_TEST_SUITE_P(Desktop, KeyboardAfterSolve,
                         ::testing::Values(Case{"FirstSolveBuildsTheWindow", Before::NoWindow},
                                           Case{"WindowBuiltAndHidden", Before::WindowHidden},
                                           Case{"WindowShownByTheUser", Before::WindowShown}),
                         [](const auto& info) { return std::string(info.param.name); });

// A window the user sees and that has the keyboard, hidden by the program:
// the keyboard goes back to the window that had it, to the same control.
TEST_F(DesktopTest, HidingTheActiveWindowGivesTheKeyboardBack) {
  auto& coefficients = Find<fw::TextArea>(Main(), "TextAreacm");
  Click(coefficients);
  ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == &coefficients; }));
  ChooseMenuItem(Main(), "WindowMenu", "bfItem");
  fw::Window& arithmetic = LiveWindow(QStringLiteral("Windowbf.Windowbf"));
  ASSERT_TRUE(WaitActive(arithmetic));

  arithmetic.Hide();
  EXPECT_TRUE(WaitActive(Main())) << KeyboardReport(Main());
  EXPECT_EQ(QApplication::focusWidget(), &coefficients);
  TypeText(QStringLiteral("9"));
  EXPECT_TRUE(WaitUntil([&] { return coefficients.toPlainText().contains(QLatin1Char('9')); }));
}

}  // namespace
}  // namespace desktop
