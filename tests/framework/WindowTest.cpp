#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QCursor>
#include <QPointer>
#include <QTest>
#include <thread>

#include "ProbeWindow.h"
#include "framework/TestSupport.h"

namespace {

using probe::Log;
using probe::ProbeWindow;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Log::events().clear();
    Log::failOpen() = false;
    fw::test::ClearMessages();
  }
  void TearDown() override {
    fw::_DestroyAllWindows();
    Log::failOpen() = false;
  }
};

TEST_F(WindowTest, ConstructorRaisesLayoutCreateControlsOpenInOrderAndShows) {
  ProbeWindow& w = probe::Get();
  EXPECT_EQ(Log::events(), (QStringList{"Layout", "CreateControls", "Open with controls"}));
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), "floating point output");
}

TEST_F(WindowTest, DesignSizeIsTheContentAreaBelowTheMenuBar) {
  ProbeWindow& w = probe::Get();
  QTest::qWait(0);
  EXPECT_EQ(w._Content()->size(), QSize(600, 400));
  EXPECT_EQ(w.minimumWidth(), 64);
  EXPECT_EQ(w.maximumWidth(), 32000);
}

TEST_F(WindowTest, ControlsGetDesignGeometryNamesAndTexts) {
  ProbeWindow& w = probe::Get();
  struct Expect { const char* name; QRect geometry; };
  for (const Expect& e : {Expect{"PushButton1", {81, 20, 106, 20}}, Expect{"TextFieldDecPrec", {199, 19, 80, 22}},
                          Expect{"TextAreazq", {20, 53, 560, 332}}}) {
    auto* widget = w.findChild<QWidget*>(e.name);
    ASSERT_NE(widget, nullptr) << e.name;
    EXPECT_EQ(widget->geometry(), e.geometry) << e.name;
    EXPECT_EQ(w._ControlByName(e.name)->Name(), e.name);
  }
  EXPECT_EQ(w.PushButton1().text(), "Set DecPrec");
  auto& field = w.ControlAs<fw::TextField>("TextFieldDecPrec");
  EXPECT_TRUE(field.alignment() & Qt::AlignHCenter);
  EXPECT_EQ(field.accessibleName(), "Digits:");
}

TEST_F(WindowTest, LockedEdgesFollowTheWindowOthersStayPut) {
  ProbeWindow& w = probe::Get();
  QTest::qWait(0);
  w.resize(w.width() + 100, w.height() + 50);
  QTest::qWait(0);
  ASSERT_EQ(w._Content()->size(), QSize(700, 450));
  EXPECT_EQ(w.TextAreazq().geometry(), QRect(20, 53, 660, 382));  // margins 20 right, 15 below kept
  EXPECT_EQ(w.PushButton1().geometry(), QRect(81, 20, 106, 20));
  EXPECT_EQ(w.findChild<QWidget*>("Corner")->geometry(), QRect(600, 410, 80, 20));  // moves, same size
  w.resize(w.width() - 200, w.height() - 100);
  QTest::qWait(0);
  EXPECT_EQ(w.TextAreazq().geometry(), QRect(20, 53, 460, 282));
}

TEST_F(WindowTest, TabMovesTheFocusInTabIndexOrder) {
  ProbeWindow& w = probe::Get();
  ASSERT_TRUE(fw::test::ShowAndActivate(w));
  w.findChild<QWidget*>("TextFieldDecPrec")->setFocus();
  QStringList visited;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  // The text area does not take the Tab (AcceptTabs false); labels take no focus.
  EXPECT_EQ(visited, (QStringList{"TextAreazq", "PushButton1", "Corner", "TextFieldDecPrec"}));
  EXPECT_EQ(w.TextAreazq().Text(), "");
}

TEST_F(WindowTest, PlacementTwoCentresOnTheScreen) {
  ProbeWindow& w = probe::Get();
  QTest::qWait(0);
  const QPoint screenCentre = w.screen()->availableGeometry().center();
  EXPECT_LE((w.geometry().center() - screenCentre).manhattanLength(), 4);
}

TEST_F(WindowTest, GetterReturnsTheLiveWindowHiddenOrNot) {
  ProbeWindow& first = probe::Get();
  first.TextAreazq().SetText("typed");
  first.Hide();
  ProbeWindow& again = probe::Get();
  EXPECT_EQ(&first, &again);
  EXPECT_FALSE(again.isVisible());
  EXPECT_EQ(again.TextAreazq().Text(), "typed");
  EXPECT_EQ(Log::events().count("Layout"), 1);
  EXPECT_EQ(fw::_GetImplicitWindow(ProbeWindow::kClassPath), &first);
}

TEST_F(WindowTest, ClosedWindowRunsCloseIsGoneAndTheGetterBuildsANewOne) {
  ProbeWindow& first = probe::Get();
  first.TextAreazq().SetText("typed");
  QPointer<QWidget> old(&first);
  EXPECT_TRUE(first.close());
  EXPECT_EQ(Log::events().back(), "Close");
  EXPECT_EQ(fw::_GetImplicitWindow(ProbeWindow::kClassPath), nullptr);
  fw::test::ProcessDeferredDeletes();
  EXPECT_TRUE(old.isNull());
  ProbeWindow& second = probe::Get();
  EXPECT_EQ(Log::events().count("Open with controls"), 2);
  EXPECT_EQ(second.TextAreazq().Text(), "");
}

TEST_F(WindowTest, ExceptionInCloseIsReportedAndTheWindowStillCloses) {
  class FailingClose : public fw::Window {
   public:
    FailingClose() : fw::Window("FailingClose.FailingClose") {}
    void Event_Close() override { throw std::runtime_error("close failed"); }
  };
  auto& w = fw::ImplicitWindow<FailingClose>("FailingClose.FailingClose");
  w.close();
  EXPECT_EQ(fw::_GetImplicitWindow("FailingClose.FailingClose"), nullptr);
  ASSERT_EQ(fw::test::Messages().size(), 1);
  EXPECT_TRUE(fw::test::Messages()[0].contains("close failed"));
}

TEST_F(WindowTest, ExceptionWhileBuildingPassesToTheCallerAndLeavesNoWindow) {
  Log::failOpen() = true;
  EXPECT_THROW(probe::Get(), std::runtime_error);
  EXPECT_EQ(fw::_GetImplicitWindow(ProbeWindow::kClassPath), nullptr);
  Log::failOpen() = false;
  EXPECT_NO_THROW(probe::Get());
}

TEST_F(WindowTest, InvisibleDesignIsBuiltButNotShown) {
  class Hidden : public fw::Window {
   public:
    Hidden() : fw::Window("Hidden.Hidden") {}
    void Layout() override { _SetProperties({.Width = 100, .Height = 100, .Visible = false}); }
  };
  auto& w = fw::ImplicitWindow<Hidden>("Hidden.Hidden");
  EXPECT_FALSE(w.isVisible());
  w.Show();
  EXPECT_TRUE(w.isVisible());
}

TEST_F(WindowTest, ControlAsTestsPresenceAndClass) {
  ProbeWindow& w = probe::Get();
  EXPECT_EQ(w._ControlByName("Nothing"), nullptr);
  EXPECT_THROW(w.ControlAs<fw::TextArea>("Nothing"), fw::NilObjectException);
  EXPECT_THROW(w.ControlAs<fw::TextArea>("PushButton1"), fw::IllegalCastException);
  EXPECT_THROW(fw::ImplicitWindow<probe::OtherWindow>(ProbeWindow::kClassPath), fw::IllegalCastException);
}

TEST_F(WindowTest, UserInterfaceCallsFromAnotherThreadAreRefused) {
  ProbeWindow& w = probe::Get();
  bool refusedLookup = false, refusedText = false;
  std::thread worker([&] {
    try { fw::_GetImplicitWindow(ProbeWindow::kClassPath); } catch (const fw::ThreadAccessingUIException&) { refusedLookup = true; }
    try { w.TextAreazq().SetText("x"); } catch (const fw::ThreadAccessingUIException&) { refusedText = true; }
  });
  worker.join();
  EXPECT_TRUE(refusedLookup);
  EXPECT_TRUE(refusedText);
}

TEST_F(WindowTest, ButtonActionRunsWithBusyCursorAndExceptionsAreReported) {
  ProbeWindow& w = probe::Get();
  int calls = 0;
  bool busy = false;
  fw::PushButton* clicked = nullptr;
  w.PushButton1().AddActionHandler([&](fw::PushButton& b) {
    ++calls;
    clicked = &b;
    busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    if (calls == 2) throw zq::zqDivideByZeroException("division by zero");
  });
  QTest::mouseClick(&w.PushButton1(), Qt::LeftButton);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(clicked, &w.PushButton1());
  EXPECT_TRUE(busy);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(fw::test::Messages().isEmpty());

  w.PushButton1().click();  // the exception stays out of Qt
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_EQ(fw::test::Messages().size(), 1);
  EXPECT_TRUE(fw::test::Messages()[0].startsWith("An unexpected error occurred: division by zero"));

  w.PushButton1().click();  // and the program goes on
  EXPECT_EQ(calls, 3);
}

TEST_F(WindowTest, ApplicationMenuBarIsShownOnEveryWindowWithSharedActions) {
  fw::Application app;
  fw::_RuntimeRegisterAppObject(&app);
  fw::MenuBar bar;
  auto file = std::make_unique<fw::MenuItem>();
  file->SetName("FileMenu");
  file->SetText("&File");
  auto quit = std::make_unique<fw::QuitMenuItem>();
  quit->SetName("FileQuit");
  quit->SetText("&Quit");
  quit->SetKeyboardShortcut("Cmd+Q");
  file->Append(std::move(quit));
  bar.Append(std::move(file));
  app.SetMenuBar(&bar);

  ProbeWindow& a = probe::Get();
  auto& b = fw::ImplicitWindow<probe::OtherWindow>(probe::OtherWindow::kClassPath);
  QAction* inA = fw::_FindMenuAction(&a, "FileQuit");
  ASSERT_NE(inA, nullptr);
  EXPECT_EQ(inA, fw::_FindMenuAction(&b, "FileQuit"));
  QTest::qWait(0);
  EXPECT_EQ(b._Content()->size(), QSize(300, 200));
  EXPECT_GT(b.height(), 200);  // the menu bar sits on top of the content
  fw::_DestroyAllWindows();
  fw::_RuntimeRegisterAppObject(nullptr);
}

}  // namespace
