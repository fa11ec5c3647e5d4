// Drives the main window and the floating-point output window through their
// real widgets, headless.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QAbstractButton>
#include <QtTest/QTest>

#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "solver/Window1.h"
#include "solver/Windowzq.h"
#include "zq/zq.h"

// Readable failure output: the text itself, line ends escaped.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << QString(s).replace(QLatin1Char('\n'), QStringLiteral("\\n")).toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '[' << l.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace solve_test {

inline const QString WindowzqPath = QStringLiteral("Windowzq.Windowzq");

template <class C>
C& Find(QWidget& parent, const char* name) {
  C* c = parent.findChild<C*>(QString::fromLatin1(name));
  if (c == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *c;
}

// The floating-point output window if it exists (hidden or not), else nullptr.
inline fw::Window* LiveWindowzq() { return fw::_GetImplicitWindow(WindowzqPath); }

// Closes the floating-point output window as the user would and lets the
// framework destroy it.
inline void CloseWindowzq() {
  if (fw::Window* w = LiveWindowzq()) w->close();
  fw::test::ProcessDeferredDeletes();
}

// A real mouse click on a shown button; a hidden window's button (the Solve
// action hides the floating-point output window) is clicked programmatically.
inline void Click(QAbstractButton& button) {
  if (button.isVisible())
    QTest::mouseClick(&button, Qt::LeftButton);
  else
    button.click();
}

// The precisions the component actually keeps for a requested working
// precision (it applies its own bounds); the settings in force are restored.
inline std::int32_t ComponentPrecisionFor(std::int32_t requested) {
  const std::int32_t before = zq::zqGetPrecision();
  zq::zqSetPrecision(requested);
  const std::int32_t kept = zq::zqGetPrecision();
  zq::zqSetPrecision(before);
  return kept;
}
inline std::int32_t ComponentOutputPrecisionFor(std::int32_t requested) {
  const std::int32_t before = zq::zqGetOutputPrecision();
  zq::zqSetOutputPrecision(requested);
  const std::int32_t kept = zq::zqGetOutputPrecision();
  zq::zqSetOutputPrecision(before);
  return kept;
}

class SolveFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static const bool started = [] {
      StartForTests();
      return true;
    }();
    (void)started;
  }

  // Each test starts with no floating-point output window, the flag false,
  // no messages and the main window's areas empty.
  void SetUp() override {
    CloseWindowzq();
    ASSERT_EQ(LiveWindowzq(), nullptr);
    get::App().WindowzqOpen = false;
    main_ = &get::Window1();
    Coefficients().setPlainText(QString());
    RightHandSide().setPlainText(QString());
    Solution().setPlainText(QString());
    fw::test::ClearMessages();
  }

  void TearDown() override { CloseWindowzq(); }

  fw::TextArea& Coefficients() { return Find<fw::TextArea>(*main_, "TextAreacm"); }
  fw::TextArea& RightHandSide() { return Find<fw::TextArea>(*main_, "TextArearhs"); }
  fw::TextArea& Solution() { return Find<fw::TextArea>(*main_, "TextAreasol"); }

  void Type(const QString& coefficients, const QString& rhs) {
    Coefficients().setPlainText(coefficients);
    RightHandSide().setPlainText(rhs);
  }
  void ClickSolve() { Click(Find<fw::PushButton>(*main_, "PushButton1")); }

  // Floating-point window parts; the window must exist.
  fw::Window& Windowzq() {
    fw::Window* w = LiveWindowzq();
    if (w == nullptr) throw std::runtime_error("no floating-point output window");
    return *w;
  }
  QString FloatingText() { return Find<fw::TextArea>(Windowzq(), "TextAreazq").toPlainText(); }
  fw::TextField& DigitField() { return Find<fw::TextField>(Windowzq(), "TextFieldDecPrec"); }
  void ClickSetDecPrec() { Click(Find<fw::PushButton>(Windowzq(), "PushButton1")); }
  void SetDigits(const QString& typed) {
    DigitField().setText(typed);
    ClickSetDecPrec();
  }

  static QStringList Messages() { return fw::test::Messages(); }

  Window1* main_ = nullptr;
};

// Texts of the worked examples, one line per element of the list, each line
// ended by "\n" (the default line end and the row end are both "\n" here).
inline QString Lines(std::initializer_list<const char*> lines) {
  QString s;
  for (const char* l : lines) s += QString::fromUtf8(l) + QLatin1Char('\n');
  return s;
}

}  // namespace solve_test
