// What the window manager and the screen show: menu separators, window and
// message box titles.
#include <X11/keysym.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPixmap>

#include "DesktopFixture.h"

namespace desktop {
namespace {

// Each Edit separator is drawn as the style draws a plain separator of the
// same width: a line, nothing before it.
TEST_F(DesktopTest, EditSeparatorsAreDrawnAsPlainLines) {
  QMenu& edit = OpenMenu(Main(), QStringLiteral("EditMenu"));
  QMenu plain;
  plain.addAction(QStringLiteral("above"));
  QAction* plainSeparator = plain.addSeparator();
  plain.addAction(QStringLiteral("below"));
  plain.setMinimumWidth(edit.width());

  for (const char* name : {"EditSeparator1", "EditSeparator2"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Main().GetMenuBar()->_Lookup(QString::fromLatin1(name))->Text(), QStringLiteral("-"));  // the model keeps it
    QAction* separator = fw::_FindMenuAction(&Main(), QString::fromLatin1(name));
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_TRUE(separator->text().isEmpty());
    const QRect shownRect = edit.actionGeometry(separator);
    const QRect plainRect = plain.actionGeometry(plainSeparator);
    ASSERT_EQ(shownRect.width(), plainRect.width());
    ASSERT_EQ(shownRect.height(), plainRect.height());
    const QImage shown = edit.grab(shownRect).toImage();
    const QImage expected = plain.grab(plainRect).toImage();
    EXPECT_EQ(shown, expected) << "the separator is drawn with something beside its line";
  }
  PressKey(XK_Escape);
  EXPECT_TRUE(WaitUntil([&] { return !edit.isVisible(); }));
}

// A real message box (here the Solve's row check) is titled with the
// program's name; Return closes it and the keyboard is back on the button.
TEST_F(DesktopTest, MessageBoxIsTitledWithTheProgramName) {
  Find<fw::TextArea>(Main(), "TextAreacm").setPlainText(QStringLiteral("1 2\n3 4\n"));
  Find<fw::TextArea>(Main(), "TextArearhs").setPlainText(QStringLiteral("1\n"));
  auto& solve = Find<fw::PushButton>(Main(), "PushButton1");
  MessageBoxAnswerer answerer;
  Click(solve);
  ASSERT_TRUE(WaitUntil([&] { return answerer.Answered() && QApplication::activeModalWidget() == nullptr; }))
      << "no message box, or it did not close on Return";
  EXPECT_EQ(answerer.Text(), QStringLiteral("row number mismatch"));
  EXPECT_EQ(answerer.Title(), QStringLiteral("Morvessa"));
  EXPECT_EQ(answerer.ShownTitle(), QStringLiteral("Morvessa"));
  EXPECT_TRUE(WaitActive(Main()));
  EXPECT_EQ(QApplication::focusWidget(), &solve);
}

// The window manager shows each window's designed title and nothing more.
TEST_F(DesktopTest, WindowTitlesAreShownAsDesigned) {
  EXPECT_EQ(WmTitle(Main()), QStringLiteral("Morvessa"));
  const struct {
    const char* menu;
    const char* item;
    const char* classPath;
    const char* title;
  } windows[] = {
      {"FileMenu", "AboutItem", "WindowAbout.WindowAbout", "About Morvessa"},
      {"HelpMenu", "HelpItem", "WindowHelp.WindowHelp", "Morvessa Help"},
      {"WindowMenu", "bfItem", "Windowbf.Windowbf", "Do Arithmetic"},
      {"WindowMenu", "WindowWindowzq", "Windowzq.Windowzq", "floating point output"},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.title);
    ChooseMenuItem(Main(), w.menu, w.item);
    fw::Window& window = LiveWindow(QString::fromLatin1(w.classPath));
    ASSERT_TRUE(WaitActive(window));
    EXPECT_EQ(WmTitle(window), QString::fromLatin1(w.title));
  }
}

}  // namespace
}  // namespace desktop
