// What the user does while a Solve works: clicks and keys are dropped, a
// closed floating-point output window closes once the Solve has written it.
#include "SolveFixture.h"

namespace solve_test {
namespace {

const char* const Det = "Determinant of coefficient matrix =";

class SolveWhileBusy : public SolveFixture {};

TEST_F(SolveWhileBusy, ASecondClickAndTypingDuringTheWorkChangeNothing) {
  Type(Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}), Lines({"8", "-11", "-3"}));
  ASSERT_TRUE(fw::test::ShowAndActivate(*main_));
  int waits = 0;
  {
    fw::test::WorkWaitHook hook([&] {
      ++waits;
      ClickSolve();
      Coefficients().setFocus();
      QTest::keyClicks(&Coefficients(), "9 9 9");
    });
    ClickSolve();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(waits, 1) << "the click made during the work ran another Solve";
  EXPECT_EQ(Coefficients().toPlainText(), Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"}));
  EXPECT_EQ(Solution().toPlainText(), Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}));
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SolveWhileBusy, TheOpenFloatingWindowClosedDuringTheWorkIsWrittenThenCloses) {
  ASSERT_TRUE(get::App()._ChooseMenuItem(QStringLiteral("WindowWindowzq")));
  fw::Window* shown = LiveWindowzq();
  ASSERT_NE(shown, nullptr);
  Type(Lines({"4"}), Lines({"2"}));
  bool closedInTheWait = true;
  {
    fw::test::WorkWaitHook hook([&] {
      shown->close();
      closedInTheWait = LiveWindowzq() == nullptr || !get::App().WindowzqOpen;
    });
    ClickSolve();
  }
  fw::test::ProcessDeferredDeletes();
  EXPECT_FALSE(closedInTheWait);
  EXPECT_EQ(Solution().toPlainText(), Lines({"solution set:", "1/2", Det, "4"}));
  EXPECT_EQ(LiveWindowzq(), nullptr);
  EXPECT_FALSE(get::App().WindowzqOpen);
  EXPECT_TRUE(Messages().isEmpty());

  // The next Solve builds the window anew, as after any close.
  ClickSolve();
  ASSERT_NE(LiveWindowzq(), nullptr);
  EXPECT_EQ(FloatingText(), Lines({"solution set:", "0.5", Det, "4"}));
}

}  // namespace
}  // namespace solve_test
