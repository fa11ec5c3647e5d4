// The main window through its real widgets: design, controls, example system,
// getter, resizing, menu-item accessors, closing.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "shell/Startup.h"
#include "solver/Window1.h"

namespace {

const QString E = fw::EndOfLine::Default();

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartForTests();
    fw::test::ClearMessages();
    window = &get::Window1();
  }
  void TearDown() override {
    fw::_DestroyAllWindows();
    EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join("|").toStdString();
  }
  template <class W>
  W* Find(const char* name) const {
    return window->findChild<W*>(QString::fromLatin1(name));
  }
  QPlainTextEdit* Area(const char* name) const { return Find<QPlainTextEdit>(name); }

  Window1* window = nullptr;
};

struct ControlPlace {
  const char* name;
  QRect geometry;
  const char* text;  // label text or button caption; nullptr for the areas
};
const ControlPlace kControls[] = {
    {"Label1", {20, 20, 128, 23}, "Coefficient matrix:"},
    {"TextAreacm", {20, 55, 403, 293}, nullptr},
    {"Label2", {435, 21, 187, 20}, "r.h.s. vector or matrix:"},
    {"TextArearhs", {435, 55, 270, 293}, nullptr},
    {"PushButton1", {299, 370, 80, 20}, "Solve"},
    {"TextAreasol", {20, 414, 685, 293}, nullptr},
    {"Label3", {20, 382, 100, 20}, "Solution:"},
};

void ExpectControlsAtDesignedPlaces(const Window1& window) {
  for (const ControlPlace& c : kControls) {
    SCOPED_TRACE(c.name);
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), window._Content());
    EXPECT_EQ(widget->geometry(), c.geometry);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
  }
}

}  // namespace

TEST_F(MainWindowTest, OpensTitledMorvessaWithTheDesignedSizeUnderTheMenuBar) {
  EXPECT_EQ(window->windowTitle(), "Morvessa");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->_Content()->size(), QSize(725, 727));
  EXPECT_EQ(window->GetMenuBar(), &get::MainMenuBar());
  ASSERT_NE(window->menuBar(), nullptr);
  EXPECT_TRUE(window->menuBar()->isVisible());
  EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), window);
}

TEST_F(MainWindowTest, SevenControlsAtTheirPlacesWithTheirTexts) {
  ExpectControlsAtDesignedPlaces(*window);
  for (const ControlPlace& c : kControls) {
    if (c.text == nullptr) continue;
    SCOPED_TRACE(c.name);
    if (auto* label = Find<QLabel>(c.name)) {
      EXPECT_EQ(label->text(), c.text);
    } else {
      auto* button = Find<QPushButton>(c.name);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->text(), c.text);
    }
  }
  // The accessors reach the same widgets.
  EXPECT_EQ(&window->Label1(), Find<QLabel>("Label1"));
  EXPECT_EQ(&window->TextAreacm(), Area("TextAreacm"));
  EXPECT_EQ(&window->Label2(), Find<QLabel>("Label2"));
  EXPECT_EQ(&window->TextArearhs(), Area("TextArearhs"));
  EXPECT_EQ(&window->PushButton1(), Find<QPushButton>("PushButton1"));
  EXPECT_EQ(&window->TextAreasol(), Area("TextAreasol"));
  EXPECT_EQ(&window->Label3(), Find<QLabel>("Label3"));
}

TEST_F(MainWindowTest, TabMovesThroughAreasAndButtonInCreationOrder) {
  ASSERT_TRUE(fw::test::ShowAndActivate(*window));
  QPlainTextEdit* cm = Area("TextAreacm");
  cm->setFocus();
  ASSERT_TRUE(cm->hasFocus());
  const char* order[] = {"TextArearhs", "PushButton1", "TextAreasol", "TextAreacm"};
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }
  // Tab moved the focus and typed nothing.
  EXPECT_FALSE(cm->toPlainText().contains('\t'));
}

TEST_F(MainWindowTest, TextAreasAreNamedByTheirLabelsForScreenReaders) {
  EXPECT_EQ(Area("TextAreacm")->accessibleName(), "Coefficient matrix:");
  EXPECT_EQ(Area("TextArearhs")->accessibleName(), "r.h.s. vector or matrix:");
  EXPECT_EQ(Area("TextAreasol")->accessibleName(), "Solution:");
}

TEST_F(MainWindowTest, OpenWritesTheExampleSystemAndLeavesTheSolutionEmpty) {
  EXPECT_EQ(Area("TextAreacm")->toPlainText(), "2 1 -5" + E + "-3 -1 2" + E + "-3 1 -2" + E);
  EXPECT_EQ(Area("TextArearhs")->toPlainText(), "8" + E + "-11" + E + "-3" + E);
  EXPECT_EQ(Area("TextAreasol")->toPlainText(), "");
  for (const char* name : {"TextAreacm", "TextArearhs", "TextAreasol"}) {
    SCOPED_TRACE(name);
    QPlainTextEdit* area = Area(name);
    EXPECT_FALSE(area->isReadOnly());
    EXPECT_TRUE(QFontInfo(area->font()).fixedPitch());
    EXPECT_EQ(area->font().pointSizeF(), 16.0);
  }
}

TEST_F(MainWindowTest, SecondGetterCallReturnsTheSameWindowAndKeepsTypedText) {
  Area("TextAreacm")->setPlainText("1 2\n3 4\n");
  Area("TextAreasol")->setPlainText("typed by the user");
  EXPECT_EQ(&get::Window1(), window);
  EXPECT_EQ(Area("TextAreacm")->toPlainText(), "1 2\n3 4\n");
  EXPECT_EQ(Area("TextAreasol")->toPlainText(), "typed by the user");
  EXPECT_EQ(window->findChildren<QPlainTextEdit*>().size(), 3);
}

TEST_F(MainWindowTest, ResizingLeavesEveryControlInPlace) {
  for (QSize size : {QSize(300, 200), QSize(1400, 1200), QSize(725, 727)}) {
    SCOPED_TRACE(size.width());
    window->resize(size);
    QCoreApplication::processEvents();
    ExpectControlsAtDesignedPlaces(*window);
  }
}

TEST_F(MainWindowTest, SolveButtonRunsTheSolveAction) {
  QTest::mouseClick(Find<QPushButton>("PushButton1"), Qt::LeftButton);
  const QString solution = Area("TextAreasol")->toPlainText();
  EXPECT_TRUE(solution.contains("7/3")) << solution.toStdString();
  EXPECT_TRUE(solution.contains("18")) << solution.toStdString();
  // The solve leaves the floating-point output window built but hidden.
  fw::Window* zq = fw::_GetImplicitWindow("Windowzq.Windowzq");
  if (zq != nullptr) {
    EXPECT_FALSE(zq->isVisible());
  }
}

TEST_F(MainWindowTest, MenuItemAccessorsReturnTheSharedBarsItemsByName) {
  using Accessor = fw::MenuItem& (Window1::*)() const;
  const struct {
    const char* name;
    Accessor get;
  } plain[] = {
      {"HelpMenu", &Window1::HelpMenu},       {"HelpItem", &Window1::HelpItem},
      {"WindowMenu", &Window1::WindowMenu},   {"bfItem", &Window1::bfItem},
      {"WindowWindowzq", &Window1::WindowWindowzq}, {"EditMenu", &Window1::EditMenu},
      {"EditSelectAll", &Window1::EditSelectAll},   {"EditSeparator2", &Window1::EditSeparator2},
      {"EditClear", &Window1::EditClear},     {"EditPaste", &Window1::EditPaste},
      {"EditCopy", &Window1::EditCopy},       {"EditCut", &Window1::EditCut},
      {"EditSeparator1", &Window1::EditSeparator1}, {"EditUndo", &Window1::EditUndo},
      {"FileMenu", &Window1::FileMenu},
  };
  MainMenuBar& bar = get::MainMenuBar();
  for (const auto& a : plain) {
    SCOPED_TRACE(a.name);
    fw::MenuItem& item = (window->*a.get)();
    EXPECT_EQ(&item, bar._Lookup(QString::fromLatin1(a.name)));
    EXPECT_EQ(dynamic_cast<fw::QuitMenuItem*>(&item), nullptr);
    EXPECT_EQ(dynamic_cast<fw::AppleMenuItem*>(&item), nullptr);
  }
  EXPECT_EQ(&window->AboutItem(), bar._Lookup("AboutItem"));
  EXPECT_EQ(&window->FileQuit(), bar._Lookup("FileQuit"));
}

TEST(MainWindowWithoutMenuBar, MenuItemAccessorRaisesNilObject) {
  StartForTests();
  Window1& window = get::Window1();
  window.SetMenuBar(nullptr);
  EXPECT_THROW(window.FileQuit(), fw::NilObjectException);
  EXPECT_THROW(window.AboutItem(), fw::NilObjectException);
  fw::_DestroyAllWindows();
}

TEST_F(MainWindowTest, ClosedByTheUserItIsGoneAndTheRestStays) {
  App& app = get::App();
  ASSERT_TRUE(window->close());
  fw::test::ProcessDeferredDeletes();
  EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);
  // The application object, the menu bar and the bindings outlive it.
  EXPECT_EQ(&get::App(), &app);
  EXPECT_EQ(app.GetMenuBar(), &get::MainMenuBar());
  for (const char* name : {"AboutItem", "HelpItem", "WindowWindowzq", "bfItem"})
    EXPECT_TRUE(app._HasMenuHandler(name)) << name;
}
