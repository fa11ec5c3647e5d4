// The first Solve of a run, before the floating-point output window was ever
// built. A process of its own: the component's initial precisions and the
// window's absence are process-wide.
#include "SolveFixture.h"

namespace solve_test {
namespace {

const char* const Det = "Determinant of coefficient matrix =";

TEST(FirstSolveOfARun, FormatsAtTheInitialSettingsBuildsTheWindowHiddenThenUses15) {
  StartForTests();
  Window1& main = get::Window1();
  ASSERT_EQ(LiveWindowzq(), nullptr);
  ASSERT_FALSE(get::App().WindowzqOpen);
  // The component's own initial settings.
  EXPECT_EQ(zq::zqGetOutputPrecision(), 15);
  EXPECT_EQ(zq::zqGetPrecision(), 60);

  // The main window's example system, solved as it opens.
  Click(Find<fw::PushButton>(main, "PushButton1"));
  EXPECT_TRUE(fw::test::Messages().isEmpty());
  EXPECT_EQ(Find<fw::TextArea>(main, "TextAreasol").toPlainText(),
            Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}));
  fw::Window* w = LiveWindowzq();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(Find<fw::TextField>(*w, "TextFieldDecPrec").text(), QStringLiteral("15"));
  EXPECT_EQ(Find<fw::TextArea>(*w, "TextAreazq").toPlainText(),
            Lines({"solution set:", "2.33333333333333", "4.44444444444444", "0.222222222222222", Det, "18"}));
  EXPECT_EQ(zq::zqGetOutputPrecision(), 15);
  EXPECT_EQ(zq::zqGetPrecision(), 60);

  Find<fw::TextArea>(main, "TextAreacm").setPlainText(Lines({"2 1/3 -2/5", "-2/3 0 -1", "-2/7 5 -1/12"}));
  Find<fw::TextArea>(main, "TextArearhs").setPlainText(Lines({"1", "2", "3"}));
  Click(Find<fw::PushButton>(main, "PushButton1"));
  EXPECT_EQ(LiveWindowzq(), w);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(Find<fw::TextArea>(*w, "TextAreazq").toPlainText(),
            Lines({"solution set:", "0.00486900069557153", "0.566890795270114", "-2.00324600046371", Det,
                   "11.4100529100529"}));
}

}  // namespace
}  // namespace solve_test
