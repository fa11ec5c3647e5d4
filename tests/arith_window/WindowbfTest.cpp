// The arithmetic window as the user meets it: its design, its single
// instance and its life from the menu item to closing.
#include <QAbstractButton>
#include <QFontInfo>

#include "ArithWindowFixture.h"

namespace {

struct Place {
  const char* name;
  int left, top, width, height;
  const char* text;  // caption of a label or button; empty for the areas
};

const Place kPlaces[] = {
    {"Label1", 20, 20, 100, 20, "x:"},          {"TextAreax", 20, 52, 239, 151, ""},
    {"Label2", 284, 16, 100, 28, "y:"},         {"TextAreay", 284, 52, 239, 151, ""},
    {"PushButton1", 70, 226, 80, 20, "Add"},    {"TextAreaz", 132, 316, 239, 151, ""},
    {"Label3", 132, 284, 100, 20, "z ="},       {"PushButton2", 162, 226, 80, 20, "Sub"},
    {"PushButton3", 254, 226, 80, 20, "Mul"},   {"PushButton4", 346, 226, 80, 20, "Div"},
    {"PushButton5", 162, 258, 80, 20, "Sqr"},   {"PushButton6", 254, 258, 80, 20, "x^y"},
};

QWidget& control(const fw::Window& w, const char* name) { return ArithWindowTest::child<QWidget>(w, name); }

QString textOf(QWidget& c) {
  if (auto* l = qobject_cast<QLabel*>(&c)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(&c)) return b->text();
  if (auto* a = qobject_cast<QPlainTextEdit*>(&c)) return a->toPlainText();
  return QStringLiteral("<unknown control>");
}

void expectEveryControlInPlace(const fw::Window& w) {
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.name);
    QWidget& c = control(w, p.name);
    EXPECT_EQ(c.geometry(), QRect(p.left, p.top, p.width, p.height));
    EXPECT_EQ(textOf(c), QString::fromUtf8(p.text));
    EXPECT_TRUE(c.isVisibleTo(&const_cast<fw::Window&>(w)));
    EXPECT_TRUE(c.isEnabled());
  }
}

TEST_F(ArithWindowTest, NothingBuildsTheWindowBeforeTheMenuChoice) {
  EXPECT_EQ(fw::_GetImplicitWindow(kWindowbfPath), nullptr);
  EXPECT_EQ(windowsOfClass(), 0);
}

TEST_F(ArithWindowTest, MenuOpensTheDesignedWindow) {
  fw::Window& w = open();
  EXPECT_NE(dynamic_cast<Windowbf*>(&w), nullptr);
  EXPECT_EQ(w.ClassPath(), kWindowbfPath);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), "Do Arithmetic");
  // The design sizes the area the controls live in; the menu bar sits above it.
  const QSize content = w._Content()->size();
  EXPECT_EQ(content, QSize(543, 487));
  EXPECT_EQ(w.minimumSize(), QSize(64, 64) + (w.size() - content));
  expectEveryControlInPlace(w);
  for (const char* name : {"TextAreax", "TextAreay", "TextAreaz"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(area(w, name).isReadOnly());  // z is editable like x and y
  }
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

TEST_F(ArithWindowTest, ButtonsStandInTwoRows) {
  fw::Window& w = open();
  const QRect add = buttonCaptioned(w, "Add").geometry(), sub = buttonCaptioned(w, "Sub").geometry(),
              mul = buttonCaptioned(w, "Mul").geometry(), div = buttonCaptioned(w, "Div").geometry(),
              sqr = buttonCaptioned(w, "Sqr").geometry(), pow = buttonCaptioned(w, "x^y").geometry();
  // Upper row, left to right, without overlap.
  EXPECT_EQ(add.top(), sub.top());
  EXPECT_EQ(sub.top(), mul.top());
  EXPECT_EQ(mul.top(), div.top());
  EXPECT_LT(add.right(), sub.left());
  EXPECT_LT(sub.right(), mul.left());
  EXPECT_LT(mul.right(), div.left());
  // Lower row: "Sqr" under "Sub", "x^y" under "Mul".
  EXPECT_EQ(sqr.left(), sub.left());
  EXPECT_EQ(pow.left(), mul.left());
  EXPECT_EQ(sqr.top(), pow.top());
  EXPECT_GT(sqr.top(), sub.bottom());
}

TEST_F(ArithWindowTest, OpenSetsFixedPitchSixteenAndWritesNoText) {
  fw::Window& w = open();
  for (const char* name : {"TextAreax", "TextAreay", "TextAreaz"}) {
    SCOPED_TRACE(name);
    QPlainTextEdit& a = area(w, name);
    EXPECT_TRUE(a.toPlainText().isEmpty());
    a.setPlainText("12/34");  // later text keeps the setting
    const QFont f = a.document()->defaultFont();
    EXPECT_TRUE(QFontInfo(f).fixedPitch()) << f.family().toStdString();
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 16.0);
  }
}

TEST_F(ArithWindowTest, AreasAreNamedByTheirLabels) {
  fw::Window& w = open();
  EXPECT_EQ(area(w, "TextAreax").accessibleName(), "x:");
  EXPECT_EQ(area(w, "TextAreay").accessibleName(), "y:");
  EXPECT_EQ(area(w, "TextAreaz").accessibleName(), "z =");
}

TEST_F(ArithWindowTest, ChoosingAgainKeepsTheOneWindowAndItsTexts) {
  fw::Window& first = open();
  area(first, "TextAreax").setPlainText("1/2");
  area(first, "TextAreay").setPlainText("3");
  area(first, "TextAreaz").setPlainText("kept");
  fw::Window& second = open();
  EXPECT_EQ(&second, &first);
  EXPECT_EQ(windowsOfClass(), 1);
  EXPECT_EQ(&get::Windowbf(), dynamic_cast<Windowbf*>(&first));
  EXPECT_EQ(area(second, "TextAreax").toPlainText(), "1/2");
  EXPECT_EQ(area(second, "TextAreay").toPlainText(), "3");
  EXPECT_EQ(area(second, "TextAreaz").toPlainText(), "kept");
}

TEST_F(ArithWindowTest, ReopenAfterCloseGivesAFreshWindow) {
  fw::Window& first = open();
  area(first, "TextAreax").setPlainText("1/2");
  area(first, "TextAreay").setPlainText("3");
  area(first, "TextAreaz").setPlainText("old");
  EXPECT_TRUE(first.close());
  flushDeletes();
  EXPECT_EQ(fw::_GetImplicitWindow(kWindowbfPath), nullptr);
  EXPECT_EQ(windowsOfClass(), 0);

  fw::Window& again = open();
  EXPECT_EQ(windowsOfClass(), 1);
  for (const char* name : {"TextAreax", "TextAreay", "TextAreaz"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(area(again, name).toPlainText().isEmpty());
    EXPECT_TRUE(QFontInfo(area(again, name).document()->defaultFont()).fixedPitch());
  }
  // The new window's buttons work too.
  area(again, "TextAreax").setPlainText("1/2");
  area(again, "TextAreay").setPlainText("1/3");
  buttonCaptioned(again, "Add").click();
  EXPECT_EQ(area(again, "TextAreaz").toPlainText(), "5/6");
}

TEST_F(ArithWindowTest, ResizingMovesAndStretchesNothing) {
  fw::Window& w = open();
  for (const QSize s : {QSize(900, 700), QSize(300, 200), QSize(543, 487)}) {
    SCOPED_TRACE(s.width());
    w.resize(s);
    QCoreApplication::processEvents();
    for (const Place& p : kPlaces) {
      SCOPED_TRACE(p.name);
      EXPECT_EQ(control(w, p.name).geometry(), QRect(p.left, p.top, p.width, p.height));
    }
  }
}

}  // namespace
