// What the user does while an arithmetic action works: another button's click
// is dropped, and closing the window waits until z is written.
#include <QTest>

#include "ArithWindowFixture.h"

namespace {

TEST_F(ArithWindowTest, AClickOnAnotherButtonDuringTheWorkDoesNothing) {
  fw::Window& w = open();
  area(w, "TextAreax").setPlainText("2/3");
  area(w, "TextAreay").setPlainText("3");
  int waits = 0;
  {
    fw::test::WorkWaitHook hook([&] {
      ++waits;
      QTest::mouseClick(&buttonCaptioned(w, "Add"), Qt::LeftButton);
    });
    QTest::mouseClick(&buttonCaptioned(w, "x^y"), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(area(w, "TextAreaz").toPlainText(), QStringLiteral("8/27"));
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

TEST_F(ArithWindowTest, ClosedDuringTheWorkItClosesOnceZIsWritten) {
  fw::Window& w = open();
  area(w, "TextAreax").setPlainText("2/3");
  area(w, "TextAreay").setPlainText("1e-10");
  QString zAtClose;
  QObject::connect(&area(w, "TextAreaz"), &QPlainTextEdit::textChanged, [&] { zAtClose = area(w, "TextAreaz").toPlainText(); });
  bool stillThere = false;
  {
    fw::test::WorkWaitHook hook([&] {
      w.close();
      stillThere = fw::_GetImplicitWindow(kWindowbfPath) == &w && w.isVisible();
    });
    QTest::mouseClick(&buttonCaptioned(w, "Add"), Qt::LeftButton);
  }
  flushDeletes();
  EXPECT_TRUE(stillThere);
  EXPECT_EQ(zAtClose, QStringLiteral("20000000003/30000000000"));
  EXPECT_EQ(fw::_GetImplicitWindow(kWindowbfPath), nullptr);
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

}  // namespace
