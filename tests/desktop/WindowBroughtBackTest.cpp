// Choosing the menu item of a window that the user minimised, or left behind
// another, brings it back as it was: its size and place, in front, active,
// its texts unchanged, still one window.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <tuple>

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

enum class PutAway { Minimised, Behind };

class WindowBroughtBack : public DesktopTest, public ::testing::WithParamInterface<std::tuple<Case, PutAway>> {
 protected:
  // The user clicks a part of the main window that window leaves uncovered;
  // the window manager raises the main window over it.
  void RaiseMainOver(const QWidget& window) {
    for (const char* label : {"Label1", "Label2", "Label3"}) {
      auto& part = Find<QWidget>(Main(), label);
      if (window.frameGeometry().intersects(QRect(OnScreen(part, QPoint(0, 0)), part.size()))) continue;
      Click(part);
      ASSERT_TRUE(WaitActive(Main()));
      ASSERT_TRUE(WaitUntil([&] { return WmSaysOnTop(Main()); }));
      return;
    }
    FAIL() << "the window covers every label of the main window";
  }
};

TEST_P(WindowBroughtBack, MenuItemBringsItInFrontAndActive) {
  const auto& [c, putAway] = GetParam();
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

  if (putAway == PutAway::Minimised) {
    window.showMinimized();  // asks the window manager, as the title bar's button does
    ASSERT_TRUE(WaitMinimized(window));
    ASSERT_TRUE(WaitActive(Main()));
  } else {
    ASSERT_NO_FATAL_FAILURE(RaiseMainOver(window));
  }

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
    Desktop, WindowBroughtBack,
    ::testing::Combine(
        ::testing::Values(Case{"About", "FileMenu", "AboutItem", "WindowAbout.WindowAbout", "TextAreaAbout", false},
                          Case{"Help", "HelpMenu", "HelpItem", "WindowHelp.WindowHelp", "TextAreaHelp", true},
                          Case{"Arithmetic", "WindowMenu", "bfItem", "Windowbf.Windowbf", "TextAreax", true},
                          Case{"FloatingPointOutput", "WindowMenu", "WindowWindowzq", "Windowzq.Windowzq",
                               "TextFieldDecPrec", true}),
        ::testing::Values(PutAway::Minimised, PutAway::Behind)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) +
             (std::get<1>(info.param) == PutAway::Minimised ? "Minimised" : "Behind");
    });

}  // namespace
}  // namespace desktop
