// Work off the user-interface thread: results and exceptions come back, the
// windows go on painting, user input made meanwhile is dropped and a close
// waits for the end of the action.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <functional>
#include <new>
#include <stdexcept>
#include <thread>

#include "ProbeWindow.h"
#include "framework/TestSupport.h"
#include "framework/Work.h"

namespace {

using WaitHook = fw::test::WorkWaitHook;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
};

class WorkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::_DestroyAllWindows();
    probe::Log::events().clear();
    fw::test::ClearMessages();
  }
  void TearDown() override { fw::_DestroyAllWindows(); }
};

TEST_F(WorkTest, GivesTheResultComputedOnAnotherThread) {
  const std::thread::id ui = std::this_thread::get_id();
  std::thread::id worker;
  const int result = fw::RunOffUIThread([&] {
    worker = std::this_thread::get_id();
    return 6 * 7;
  });
  EXPECT_EQ(result, 42);
  EXPECT_NE(worker, ui);
  EXPECT_FALSE(fw::_WorkInProgress());
}

TEST_F(WorkTest, RethrowsWhatTheWorkThrewOnTheCallingThread) {
  struct Case {
    const char* label;
    std::function<void()> work;
    std::function<bool(std::exception_ptr)> isExpected;
  };
  const auto is = [](auto probe) {
    return [probe](std::exception_ptr e) {
      try {
        std::rethrow_exception(e);
      } catch (const decltype(probe)&) {
        return true;
      } catch (...) {
        return false;
      }
    };
  };
  const Case cases[] = {
      {"component", [] { throw zq::zqDivideByZeroException("zero"); }, is(zq::zqDivideByZeroException(""))},
      {"memory", [] { throw std::bad_alloc(); }, is(std::bad_alloc())},
      {"not std", [] { throw 7; }, is(0)},
      // The work may not touch the user interface; the framework says so.
      {"UI call", [] { fw::MsgBox("from the worker"); }, is(fw::ThreadAccessingUIException())},
  };
  for (const Case& c : cases) {
    std::exception_ptr caught;
    try {
      fw::RunOffUIThread(c.work);
    } catch (...) {
      caught = std::current_exception();
    }
    ASSERT_TRUE(caught) << c.label;
    EXPECT_TRUE(c.isExpected(caught)) << c.label;
    EXPECT_FALSE(fw::_WorkInProgress()) << c.label;
  }
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

TEST_F(WorkTest, TheWaitRunsTheEventLoopSoWindowsPaint) {
  probe::ProbeWindow& w = probe::Get();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QWidget* viewport = w.TextAreazq().viewport();
  PaintCounter paints;
  viewport->installEventFilter(&paints);
  // The work is held until a paint has happened: only the wait's own event
  // loop can run the timers that ask for it and see it.
  fw::test::WorkHold hold(5000);
  QTimer::singleShot(0, viewport, [viewport] { viewport->update(); });
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (paints.count > 0) hold.Release();
  });
  watcher.start(5);
  fw::RunOffUIThread([] {});
  EXPECT_FALSE(hold.TimedOut());
  EXPECT_GT(paints.count, 0);
}

TEST_F(WorkTest, InputMadeDuringTheWorkIsDroppedNotQueued) {
  probe::ProbeWindow& w = probe::Get();
  ASSERT_TRUE(fw::test::ShowAndActivate(w));
  int clicks = 0;
  w.PushButton1().AddActionHandler([&](fw::PushButton&) { ++clicks; });
  fw::TextArea& area = w.TextAreazq();
  area.SetText("kept");
  area.setFocus();
  WaitHook hook([&] {
    QTest::mouseClick(&w.PushButton1(), Qt::LeftButton);
    QTest::keyClicks(&area, "typed");
    QTest::keyClick(&area, Qt::Key_A, Qt::ControlModifier);  // a shortcut as well
    QTest::keyClick(&area, Qt::Key_Delete);
    QCoreApplication::processEvents();
  });
  fw::RunOffUIThread([] {});
  QCoreApplication::processEvents();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(area.Text(), QStringLiteral("kept"));

  // Once the work is over, input counts again.
  QTest::mouseClick(&w.PushButton1(), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(WorkTest, ASecondClickOnABusyButtonRunsNothingAfterwards) {
  probe::ProbeWindow& w = probe::Get();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  int actions = 0, waits = 0;
  w.PushButton1().AddActionHandler([&](fw::PushButton&) {
    ++actions;
    fw::RunOffUIThread([] {});
  });
  WaitHook hook([&] {
    ++waits;
    QTest::mouseClick(&w.PushButton1(), Qt::LeftButton);
  });
  QTest::mouseClick(&w.PushButton1(), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(actions, 1);
  EXPECT_EQ(waits, 1);
}

TEST_F(WorkTest, AWindowClosedDuringTheWorkClosesWhenTheActionIsOver) {
  probe::ProbeWindow& w = probe::Get();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QStringList seenInTheWait;
  w.PushButton1().AddActionHandler([&](fw::PushButton&) {
    fw::RunOffUIThread([] {});
    // The action goes on writing into its window after the work.
    w.TextAreazq().SetText("result");
    probe::Log::events() << "written";
  });
  WaitHook hook([&] {
    EXPECT_FALSE(w.close());  // not yet
    EXPECT_TRUE(w.isVisible());
    seenInTheWait = probe::Log::events();
  });
  QTest::mouseClick(&w.PushButton1(), Qt::LeftButton);
  fw::test::ProcessDeferredDeletes();

  EXPECT_FALSE(seenInTheWait.contains("Close"));
  EXPECT_EQ(probe::Log::events().filter("Close").size(), 1);
  EXPECT_LT(probe::Log::events().indexOf("written"), probe::Log::events().indexOf("Close"));
  EXPECT_EQ(fw::_GetImplicitWindow(probe::ProbeWindow::kClassPath), nullptr);
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

}  // namespace
