#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "ProbeWindow.h"
#include "framework/TestSupport.h"

namespace {

struct ItemRow {
  const char* parent;  // nullptr: a menu of the bar
  const char* name;
  const char* text;
  const char* shortcut;  // nullptr: not assigned
  enum Kind { Plain, Quit, Apple } kind = Plain;
};

const ItemRow kRows[] = {
    {nullptr, "FileMenu", "&File", ""},
    {"FileMenu", "FileQuit", "&Quit", "Cmd+Q", ItemRow::Quit},
    {"FileMenu", "AboutItem", "About Morvessa...", "", ItemRow::Apple},
    {nullptr, "EditMenu", "&Edit", ""},
    {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
    {"EditMenu", "EditSeparator1", "-", nullptr},
    {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", "&Delete", ""},
    {"EditMenu", "EditSeparator2", "-", nullptr},
    {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
    {nullptr, "WindowMenu", "Window", ""},
    {"WindowMenu", "WindowWindowzq", "floating point output", ""},
};

std::unique_ptr<fw::MenuBar> buildBar() {
  auto bar = std::make_unique<fw::MenuBar>();
  for (const ItemRow& r : kRows) {
    std::unique_ptr<fw::MenuItem> item = r.kind == ItemRow::Quit    ? std::make_unique<fw::QuitMenuItem>()
                                         : r.kind == ItemRow::Apple ? std::make_unique<fw::AppleMenuItem>()
                                                                    : std::make_unique<fw::MenuItem>();
    item->SetName(r.name);
    item->SetAutoEnable(true);
    item->SetText(r.text);
    item->SetVisible(true);
    if (r.shortcut) item->SetKeyboardShortcut(r.shortcut);
    (r.parent ? bar->Child(r.parent) : bar.get())->Append(std::move(item));
  }
  return bar;
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::test::ClearMessages();
    bar_ = buildBar();
    app_.SetMenuBar(bar_.get());
    fw::_RuntimeRegisterAppObject(&app_);
  }
  void TearDown() override {
    fw::_DestroyAllWindows();
    fw::_RuntimeRegisterAppObject(nullptr);
  }
  QAction* action(const char* name) { return fw::_FindMenuAction(&window(), name); }
  probe::ProbeWindow& window() { return probe::Get(); }
  fw::TextArea& focusedArea() {
    fw::TextArea& a = window().TextAreazq();
    EXPECT_TRUE(fw::test::ShowAndActivate(window()));
    a.setFocus();
    EXPECT_EQ(QApplication::focusWidget(), &a);
    return a;
  }

  fw::Application app_;
  std::unique_ptr<fw::MenuBar> bar_;
};

TEST_F(MenuTest, ModelKeepsOrderNamesAndShortcutAssignment) {
  ASSERT_EQ(bar_->Count(), 3);
  EXPECT_EQ(bar_->Item(1)->Name(), "EditMenu");
  fw::MenuItem* edit = bar_->Child("EditMenu");
  ASSERT_EQ(edit->Count(), 8);
  EXPECT_EQ(edit->Item(2)->Name(), "EditCut");
  EXPECT_EQ(bar_->Child("EditCut"), nullptr);  // Child looks one level down only
  EXPECT_EQ(bar_->_Lookup("EditCut"), edit->Item(2));
  EXPECT_EQ(bar_->_Lookup("Nothing"), nullptr);
  EXPECT_FALSE(bar_->_Lookup("EditSeparator1")->KeyboardShortcutAssigned());
  EXPECT_TRUE(bar_->_Lookup("EditClear")->KeyboardShortcutAssigned());
  EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(bar_->_Lookup("FileQuit")), nullptr);
  EXPECT_NE(dynamic_cast<fw::AppleMenuItem*>(bar_->_Lookup("AboutItem")), nullptr);
}

TEST_F(MenuTest, PresentedAsAQtMenuBarFoundByName) {
  auto* qbar = qobject_cast<QMenuBar*>(window().menuWidget());
  ASSERT_NE(qbar, nullptr);
  QStringList titles;
  for (QAction* a : qbar->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Window"}));
  struct Expect { const char* name; const char* text; QKeySequence keys; };
  for (const Expect& e : {Expect{"FileQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                          Expect{"EditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X)},
                          Expect{"EditSelectAll", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A)},
                          Expect{"EditClear", "&Delete", QKeySequence()},
                          Expect{"WindowWindowzq", "floating point output", QKeySequence()}}) {
    QAction* a = action(e.name);
    ASSERT_NE(a, nullptr) << e.name;
    EXPECT_EQ(a->text(), e.text) << e.name;
    EXPECT_EQ(a->shortcut(), e.keys) << e.name;
  }
  EXPECT_TRUE(action("EditSeparator1")->isSeparator());
  QMenu* editMenu = action("EditMenu")->menu<QMenu*>();
  ASSERT_NE(editMenu, nullptr);
  EXPECT_EQ(editMenu->actions().size(), 8);
  EXPECT_EQ(editMenu->actions().at(6), action("EditSeparator2"));
}

TEST_F(MenuTest, ShortcutTextsMapToThePlatform) {
  const std::pair<const char*, const char*> cases[] = {
      {"Cmd+Q", "Ctrl+Q"}, {"Cmd+Shift+Z", "Ctrl+Shift+Z"}, {"Option+Cmd+H", "Alt+Ctrl+H"}, {"", ""}, {"F1", "F1"}};
  for (const auto& [given, expected] : cases) EXPECT_EQ(fw::_PortableShortcut(given), expected) << given;
}

TEST_F(MenuTest, BoundHandlerRunsWhenTheItemIsChosen) {
  int calls = 0;
  app_._AddMenuHandler("WindowWindowzq", [&] {
    ++calls;
    return true;
  });
  action("WindowWindowzq")->trigger();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(app_._ChooseMenuItem("WindowWindowzq"));
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(app_._ChooseMenuItem("AboutItem"));  // nothing bound, no built-in behaviour
}

TEST_F(MenuTest, ExceptionInAMenuHandlerIsReportedAndTheProgramGoesOn) {
  app_._AddMenuHandler("AboutItem", []() -> bool { throw std::runtime_error("about failed"); });
  action("AboutItem")->trigger();
  EXPECT_FALSE(app_._ChooseMenuItem("AboutItem"));
  ASSERT_EQ(fw::test::Messages().size(), 2);
  EXPECT_EQ(fw::test::Messages()[0], "An unexpected error occurred: about failed (std::runtime_error)");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MenuTest, EditItemsActOnTheFocusedArea) {
  fw::TextArea& a = focusedArea();
  a.SetText("2 1 -5");
  EXPECT_TRUE(app_._ChooseMenuItem("EditSelectAll"));
  EXPECT_EQ(a.textCursor().selectedText(), "2 1 -5");
  EXPECT_TRUE(action("EditCopy")->isEnabled());
  action("EditCopy")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "2 1 -5");
  action("EditClear")->trigger();
  EXPECT_EQ(a.Text(), "");
  EXPECT_FALSE(action("EditCopy")->isEnabled());  // nothing selected any more
  action("EditPaste")->trigger();
  action("EditPaste")->trigger();
  EXPECT_EQ(a.Text(), "2 1 -52 1 -5");
  action("EditUndo")->trigger();
  EXPECT_EQ(a.Text(), "2 1 -5");
  app_._ChooseMenuItem("EditSelectAll");
  action("EditCut")->trigger();
  EXPECT_EQ(a.Text(), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "2 1 -5");
}

TEST_F(MenuTest, EditItemsActOnAFocusedField) {
  auto& field = window().ControlAs<fw::TextField>("TextFieldDecPrec");
  ASSERT_TRUE(fw::test::ShowAndActivate(window()));
  field.setFocus();
  field.SetText("15");
  app_._ChooseMenuItem("EditSelectAll");
  EXPECT_EQ(field.selectedText(), "15");
  app_._ChooseMenuItem("EditClear");
  EXPECT_EQ(field.Text(), "");
}

TEST_F(MenuTest, EditItemsAreEnabledAsFocusAndSelectionAllow) {
  fw::TextArea& a = focusedArea();
  a.SetText("abc");
  QTest::qWait(0);
  EXPECT_FALSE(action("EditCut")->isEnabled());
  EXPECT_TRUE(action("EditSelectAll")->isEnabled());
  a.selectAll();
  EXPECT_TRUE(action("EditCut")->isEnabled());
  a.setReadOnly(true);
  QGuiApplication::clipboard()->setText("x");
  EXPECT_FALSE(action("EditCut")->isEnabled());
  EXPECT_FALSE(action("EditPaste")->isEnabled());
  EXPECT_TRUE(action("EditCopy")->isEnabled());
  window().PushButton1().setFocus();  // no text control focused
  EXPECT_FALSE(action("EditCopy")->isEnabled());
  EXPECT_FALSE(app_._ChooseMenuItem("EditSelectAll"));
}

TEST_F(MenuTest, QuitClosesTheWindowsAndEndsTheEventLoop) {
  probe::Log::events().clear();
  window();
  QTimer::singleShot(0, [] { fw::_GetAppObject()->_ChooseMenuItem("FileQuit"); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(probe::Log::events().back(), "Close");
  EXPECT_EQ(fw::_GetImplicitWindow(probe::ProbeWindow::kClassPath), nullptr);
}

TEST_F(MenuTest, ModelChangesReachThePresentedActions) {
  fw::MenuItem* item = bar_->_Lookup("WindowWindowzq");
  item->SetText("renamed");
  item->SetVisible(false);
  EXPECT_EQ(action("WindowWindowzq")->text(), "renamed");
  EXPECT_FALSE(action("WindowWindowzq")->isVisible());
}

}  // namespace
