// While a Solve works, its windows answer the desktop: they repaint, move,
// minimise and come back, and answer the window manager's ping; the user's
// clicks and keys are dropped, and a window closed meanwhile closes after the
// Solve has written it. Each test holds the Solve's work until it has acted,
// so the work is still running whatever the machine's speed.
#include <X11/keysym.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "DesktopFixture.h"
#include "XServer.h"
#include "solver/Windowzq.h"

namespace desktop {
namespace {

const QString WindowzqPath = QStringLiteral("Windowzq.Windowzq");
const QString Coefficients = QStringLiteral("2 1 -5\n-3 -1 2\n-3 1 -2\n");
const QString Solution = QStringLiteral("solution set:\n7/3\n40/9\n2/9\nDeterminant of coefficient matrix =\n18\n");
const QString FloatingSolution = QStringLiteral(
    "solution set:\n2.33333333333333\n4.44444444444444\n0.222222222222222\nDeterminant of coefficient matrix =\n18\n");

unsigned long XWindow(const QWidget& w) { return static_cast<unsigned long>(w.winId()); }

// Counts the paint events of one window's widgets.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(const QWidget& window) : window_(window) { qApp->installEventFilter(this); }
  ~PaintCounter() override { qApp->removeEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == &window_) ++count;
    return false;
  }

 private:
  const QWidget& window_;
};

class BusySolve : public DesktopTest {
 protected:
  fw::TextArea& Area(const char* name) { return Find<fw::TextArea>(Main(), name); }
  fw::PushButton& SolveButton() { return Find<fw::PushButton>(Main(), "PushButton1"); }

  // Clicks Solve through the X server and holds its work until during() has
  // run. during() runs from a timer, which only the Solve's own wait can fire
  // while the work is held. Returns how many Solves waited for work.
  int SolveWhile(const std::function<void()>& during) {
    Area("TextAreasol").clear();
    int waits = 0;
    fw::test::WorkHold hold;
    fw::test::WorkWaitHook started([&] {
      ++waits;
      QTimer::singleShot(0, qApp, [&] {
        during();
        hold.Release();
      });
    });
    Click(SolveButton());
    WaitUntil([&] { return Area("TextAreasol").toPlainText() == Solution; });
    EXPECT_FALSE(hold.TimedOut()) << "the Solve's wait ran no timer while the work ran";
    Settle();
    return waits;
  }
};

TEST_F(BusySolve, TheWindowRepaintsMovesMinimisesAndAnswersPingsWhileTheWorkRuns) {
  const QPoint moved = Main().screen()->availableGeometry().topLeft() + QPoint(40, 30);
  bool unwritten = false, answered = false, movedThere = false, minimised = false, restored = false,
       repainted = false;
  const int waits = SolveWhile([&] {
    unwritten = Area("TextAreasol").toPlainText().isEmpty();
    xserver::Ping(XWindow(Main()), 4711);
    answered = WaitUntil([] { return xserver::PingAnswered(4711); }, 5000);
    movedThere = MoveFrameTo(Main(), moved, 5000);
    xserver::AskWmToIconify(XWindow(Main()));
    minimised = WaitMinimized(Main(), 5000);
    PaintCounter paints(Main());
    xserver::AskWmToActivate(XWindow(Main()));
    restored = WaitExposed(Main(), 5000);
    repainted = WaitUntil([&] { return paints.count > 0; }, 5000);
  });
  EXPECT_EQ(waits, 1);
  EXPECT_TRUE(unwritten) << "the hook ran after the Solve had written its result";
  EXPECT_TRUE(answered) << "no answer to the window manager's ping";
  EXPECT_TRUE(movedThere);
  EXPECT_TRUE(minimised);
  EXPECT_TRUE(restored);
  EXPECT_TRUE(repainted) << "restored, the window was not painted again";
  EXPECT_EQ(Area("TextAreasol").toPlainText(), Solution);
}

TEST_F(BusySolve, ClicksAndKeysMadeDuringTheWorkAreDropped) {
  const int waits = SolveWhile([&] {
    Click(SolveButton());
    Click(Area("TextAreacm"));
    TypeText(QStringLiteral("99"));
    PressKey(XK_Return);
    Settle();
  });
  EXPECT_EQ(waits, 1) << "a click made during the work ran another Solve";
  EXPECT_EQ(Area("TextAreacm").toPlainText(), Coefficients);
  EXPECT_EQ(Area("TextAreasol").toPlainText(), Solution);
  // Input counts again once the Solve is over.
  Click(Area("TextAreacm"));
  TypeText(QStringLiteral("7"));
  EXPECT_TRUE(WaitUntil([&] { return Area("TextAreacm").toPlainText().contains(QLatin1Char('7')); }));
}

TEST_F(BusySolve, AWindowClosedDuringTheWorkClosesOnceWritten) {
  ChooseMenuItem(Main(), "WindowMenu", "WindowWindowzq");
  fw::Window& floating = LiveWindow(WindowzqPath);
  ASSERT_TRUE(WaitActive(floating));
  // Out of the way of the Solve button.
  ASSERT_TRUE(MoveApart(Main(), floating));
  Click(Area("TextAreacm"));
  ASSERT_TRUE(WaitActive(Main()));
  QString written;
  QObject::connect(&Find<fw::TextArea>(floating, "TextAreazq"), &QPlainTextEdit::textChanged, &floating,
                   [&] { written = Find<fw::TextArea>(floating, "TextAreazq").toPlainText(); });
  bool stayedDuringTheWork = false;
  const int waits = SolveWhile([&] {
    xserver::AskWmToClose(XWindow(floating));
    Settle(500);
    stayedDuringTheWork = fw::_GetImplicitWindow(WindowzqPath) == &floating && floating.isVisible();
  });
  EXPECT_EQ(waits, 1);
  EXPECT_TRUE(stayedDuringTheWork);
  EXPECT_EQ(written, FloatingSolution);
  EXPECT_TRUE(WaitUntil([] { return fw::_GetImplicitWindow(WindowzqPath) == nullptr; }));
  EXPECT_FALSE(get::App().WindowzqOpen);
}

}  // namespace
}  // namespace desktop
