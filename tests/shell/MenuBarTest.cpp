// The menu tree the application's bar is built with, and its one instance.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "framework/Framework.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "shell/Startup.h"
#include "solver/Window1.h"

namespace {

enum class Kind { Plain, Quit, Apple };
struct ExpectedItem {
  const char* name;
  Kind kind;
  const char* text;
  const char* shortcut;  // nullptr: never assigned (separators)
};
struct ExpectedMenu {
  const char* name;
  const char* text;
  std::vector<ExpectedItem> items;
};

const std::vector<ExpectedMenu> kExpectedTree = {
    {"FileMenu", "&File",
     {{"FileQuit", Kind::Quit, "&Quit", "Cmd+Q"}, {"AboutItem", Kind::Apple, "About Morvessa...", ""}}},
    {"EditMenu", "&Edit",
     {{"EditUndo", Kind::Plain, "&Undo", "Cmd+Z"},
      {"EditSeparator1", Kind::Plain, "-", nullptr},
      {"EditCut", Kind::Plain, "Cu&t", "Cmd+X"},
      {"EditCopy", Kind::Plain, "&Copy", "Cmd+C"},
      {"EditPaste", Kind::Plain, "&Paste", "Cmd+V"},
      {"EditClear", Kind::Plain, "&Delete", ""},
      {"EditSeparator2", Kind::Plain, "-", nullptr},
      {"EditSelectAll", Kind::Plain, "Select &All", "Cmd+A"}}},
    {"WindowMenu", "Window",
     {{"WindowWindowzq", Kind::Plain, "floating point output", ""}, {"bfItem", Kind::Plain, "do Arithmetic", ""}}},
    {"HelpMenu", "Help", {{"HelpItem", Kind::Plain, "Morvessa Help...", ""}}},
};

Kind KindOf(const fw::MenuItem& item) {
  if (dynamic_cast<const fw::QuitMenuItem*>(&item)) return Kind::Quit;
  if (dynamic_cast<const fw::AppleMenuItem*>(&item)) return Kind::Apple;
  return Kind::Plain;
}

void ExpectItem(const fw::MenuItem& item, const char* name, Kind kind, const char* text, const char* shortcut) {
  SCOPED_TRACE(name);
  EXPECT_EQ(item.Name(), QString::fromLatin1(name));
  EXPECT_EQ(KindOf(item), kind);
  EXPECT_EQ(item.Text(), QString::fromLatin1(text));
  EXPECT_TRUE(item.AutoEnable());
  EXPECT_TRUE(item.Visible());
  if (shortcut == nullptr) {
    EXPECT_FALSE(item.KeyboardShortcutAssigned());
  } else {
    EXPECT_TRUE(item.KeyboardShortcutAssigned());
    EXPECT_EQ(item.KeyboardShortcut(), QString::fromLatin1(shortcut));
  }
}

// A bar of its own, so the shared instance is left alone.
std::unique_ptr<MainMenuBar> BuiltBar() {
  auto bar = std::make_unique<MainMenuBar>();
  bar->Constructor();
  return bar;
}

}  // namespace

TEST(MainMenuBarTree, MenusAndItemsInOrderWithTextsAndShortcuts) {
  const auto bar = BuiltBar();
  ASSERT_EQ(bar->Count(), static_cast<int>(kExpectedTree.size()));
  for (int m = 0; m < bar->Count(); ++m) {
    const ExpectedMenu& expected = kExpectedTree[m];
    const fw::MenuItem* menu = bar->Item(m);
    ASSERT_NE(menu, nullptr);
    ExpectItem(*menu, expected.name, Kind::Plain, expected.text, "");
    ASSERT_EQ(menu->Count(), static_cast<int>(expected.items.size())) << expected.name;
    for (int i = 0; i < menu->Count(); ++i) {
      const ExpectedItem& e = expected.items[i];
      ASSERT_NE(menu->Item(i), nullptr);
      ExpectItem(*menu->Item(i), e.name, e.kind, e.text, e.shortcut);
      EXPECT_EQ(menu->Item(i)->Count(), 0) << e.name;
    }
  }
}

TEST(MainMenuBarTree, EveryNameOccursOnceAndIsFoundByLookup) {
  const auto bar = BuiltBar();
  std::set<QString> names;
  for (const ExpectedMenu& menu : kExpectedTree) {
    names.insert(QString::fromLatin1(menu.name));
    for (const ExpectedItem& item : menu.items) names.insert(QString::fromLatin1(item.name));
  }
  EXPECT_EQ(names.size(), 17u);
  for (const QString& name : names) {
    const fw::MenuItem* found = bar->_Lookup(name);
    ASSERT_NE(found, nullptr) << name.toStdString();
    EXPECT_EQ(found->Name(), name);
  }
}

TEST(MainMenuBarAccessor, BuildsOnceAndIsSharedByApplicationAndMainWindow) {
  StartForTests();
  MainMenuBar& first = get::MainMenuBar();
  EXPECT_EQ(&get::MainMenuBar(), &first);
  EXPECT_EQ(MainMenuBar::_implicitInstance.get(), &first);
  EXPECT_EQ(get::App().GetMenuBar(), &first);
  Window1& window = get::Window1();
  EXPECT_EQ(window.GetMenuBar(), &first);
  EXPECT_EQ(first.Count(), 4);  // a second build would have appended more menus
  fw::_DestroyAllWindows();
}

// What the user sees: the bar on the main window, its titles, and Ctrl for Cmd.
TEST(MainMenuBarPresentation, MainWindowShowsMenusItemsAndShortcuts) {
  StartForTests();
  Window1& window = get::Window1();
  QMenuBar* shown = window.menuBar();
  ASSERT_NE(shown, nullptr);
  QStringList titles;
  for (QAction* action : shown->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Window", "Help"}));

  const struct {
    const char* name;
    const char* text;
    QKeySequence keys;
  } shortcuts[] = {
      {"FileQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {"AboutItem", "About Morvessa...", QKeySequence()},
      {"EditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {"EditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X)},
      {"EditCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"EditPaste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
      {"EditClear", "&Delete", QKeySequence()},
      {"EditSelectAll", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A)},
      {"WindowWindowzq", "floating point output", QKeySequence()},
      {"bfItem", "do Arithmetic", QKeySequence()},
      {"HelpItem", "Morvessa Help...", QKeySequence()},
  };
  for (const auto& s : shortcuts) {
    SCOPED_TRACE(s.name);
    QAction* action = fw::_FindMenuAction(&window, QString::fromLatin1(s.name));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromLatin1(s.text));
    EXPECT_EQ(action->shortcut(), s.keys);
  }
  for (const char* separator : {"EditSeparator1", "EditSeparator2"}) {
    QAction* action = fw::_FindMenuAction(&window, QString::fromLatin1(separator));
    ASSERT_NE(action, nullptr) << separator;
    EXPECT_TRUE(action->isSeparator()) << separator;
    EXPECT_TRUE(action->text().isEmpty()) << separator;  // the model's "-" is not drawn
  }
  fw::_DestroyAllWindows();
}
