// Choosing the menu item of a minimised window brings it back as it was: its
// size and place, in front, active, its texts unchanged, still one window.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "DesktopFixture.h"

namespace desktop {
namespace {

struct Case {
  const char* name;
  const char* menu;
  const char* item;
  const char* classPath;
  const char* textControl;  // a text the user may have changed; it must survive
  bool userTypes;           // false: read-only, its text only has to stay
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

QString TextOf(QWidget& window, const char* control) {
  if (auto* area = window.findChild<QPlainTextEdit*>(QString::fromLatin1(control))) return area->toPlainText();
  return Find<QLineEdit>(window, control).text();
}

int WindowsOfClass(const QString& classPath) {
  int n = 0;
  for (fw::Window* w : fw::_LiveWindows()) n += w->ClassPath() == classPath ? 1 : 0;
  return n;
}

class MinimisedWindow : public DesktopTest, public ::testing::WithParamInterface<Case> {};

TEST_P(MinimisedWindow, MenuItemRestoresItInFrontAndActive) {
  const Case& c = GetParam();
  const QString classPath = QString::fromLatin1(c.classPath);
  ChooseMenuItem(Main(), c.menu, c.item);
  fw::Window& window = LiveWindow(classPath);
  ASSERT_TRUE(WaitActive(window));
  if (c.userTypes) {
    Click(Find<QWidget>(window, c.textControl));
    TypeText(QStringLiteral("42"));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(window, c.textControl).contains(QStringLiteral("42")); }));
  }
  Settle();
  const QString text = TextOf(window, c.textControl);
  const QRect geometry = window.geometry();

  window.showMinimized();  // asks the window manager, as the title bar's button does
  ASSERT_TRUE(WaitMinimized(window));
  ASSERT_TRUE(WaitActive(Main()));

  ChooseMenuItem(Main(), c.menu, c.item);
  EXPECT_TRUE(WaitExposed(window)) << "still minimised";
  EXPECT_FALSE(window.isMinimized());
  EXPECT_TRUE(WaitActive(window)) << KeyboardReport(window);
  EXPECT_TRUE(WaitUntil([&] { return WmSaysOnTop(window); })) << "not in front";
  EXPECT_TRUE(WaitUntil([&] { return window.geometry() == geometry; }))
      << "was " << geometry.x() << "," << geometry.y() << " " << geometry.width() << "x" << geometry.height()
      << ", is " << window.x() << "," << window.y() << " " << window.width() << "x" << window.height();
  EXPECT_EQ(TextOf(window, c.textControl), text);
  EXPECT_EQ(WindowsOfClass(classPath), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, MinimisedWindow,
    ::testing::Values(Case{"About", "FileMenu", "AboutItem", "WindowAbout.WindowAbout", "TextAreaAbout", false},
                      Case{"Help", "HelpMenu", "HelpItem", "WindowHelp.WindowHelp", "TextAreaHelp", true},
                      Case{"Arithmetic", "WindowMenu", "bfItem", "Windowbf.Windowbf", "TextAreax", true},
                      Case{"FloatingPointOutput", "WindowMenu", "WindowWindowzq", "Windowzq.Windowzq",
                           "TextFieldDecPrec", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace desktop
