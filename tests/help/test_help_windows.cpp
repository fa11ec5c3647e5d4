// The help and about windows: their designs as built, one window per class,
// and the stored texts coming back after a close.
#include <QFontInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "HelpFixture.h"
#include "shell/App.h"
#include "shell/WindowAbout.h"
#include "shell/WindowHelp.h"

namespace helptest {
namespace {

const QString kHelpPath = QStringLiteral("WindowHelp.WindowHelp");
const QString kAboutPath = QStringLiteral("WindowAbout.WindowAbout");

class HelpWindows : public HelpFixture {
 protected:
  void SetUp() override {
    HelpFixture::SetUp();
    CloseWindow(kHelpPath);
    CloseWindow(kAboutPath);
  }
  void TearDown() override {
    CloseWindow(kHelpPath);
    CloseWindow(kAboutPath);
  }
};

struct WindowCase {
  const char* menuItem;
  QString classPath;
  QString title;
  QSize content;
  const char* areaName;
  QRect areaGeometry;
  bool readOnly;
  Qt::Alignment alignment;
};

const WindowCase kCases[] = {
    {"HelpItem", kHelpPath, "Morvessa Help", {600, 400}, "TextAreaHelp", {20, 20, 560, 360}, false, Qt::AlignLeft},
    {"AboutItem", kAboutPath, "About Morvessa", {304, 152}, "TextAreaAbout", {20, 20, 264, 112}, true, Qt::AlignHCenter},
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.menuItem; }

class HelpWindowDesigns : public HelpWindows, public ::testing::WithParamInterface<WindowCase> {};

fw::TextArea& AreaOf(fw::Window& w, const char* name) { return w.ControlAs<fw::TextArea>(name); }

TEST_P(HelpWindowDesigns, MenuItemBuildsTheWindowAsDesigned) {
  const WindowCase& c = GetParam();
  ASSERT_TRUE(get::App()._ChooseMenuItem(c.menuItem));
  fw::Window* w = fw::_GetImplicitWindow(c.classPath);
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), c.title);
  EXPECT_EQ(w->_Content()->size(), c.content);

  // Placement 2: centred on the screen.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint offset = w->frameGeometry().center() - screen.center();
  EXPECT_LE(offset.manhattanLength(), 4) << "window centre is off the screen centre";

  auto* area = w->findChild<fw::TextArea*>(c.areaName);
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(&AreaOf(*w, c.areaName), area);
  EXPECT_EQ(area->geometry(), c.areaGeometry);
  EXPECT_EQ(area->isReadOnly(), c.readOnly);
  EXPECT_EQ(area->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, c.alignment);
  // No horizontal scroll bar: long lines wrap at the area's edge.
  EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);

  // Locked on all four sides: the area keeps its 20-point margins.
  w->resize(w->size() + QSize(100, 60));
  QCoreApplication::processEvents();
  const QSize content = w->_Content()->size();
  EXPECT_EQ(content, c.content + QSize(100, 60));
  EXPECT_EQ(area->geometry(), QRect(20, 20, content.width() - 40, content.height() - 40));
}

TEST_P(HelpWindowDesigns, SecondChoiceShowsTheSameWindow) {
  const WindowCase& c = GetParam();
  ASSERT_TRUE(get::App()._ChooseMenuItem(c.menuItem));
  fw::Window* first = fw::_GetImplicitWindow(c.classPath);
  ASSERT_NE(first, nullptr);
  first->Hide();
  ASSERT_TRUE(get::App()._ChooseMenuItem(c.menuItem));
  EXPECT_EQ(fw::_GetImplicitWindow(c.classPath), first);
  EXPECT_EQ(LiveWindowsOf(c.classPath), 1);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

TEST_P(HelpWindowDesigns, ClosedWindowComesBackWithTheStoredText) {
  const WindowCase& c = GetParam();
  const QString stored = c.classPath == kHelpPath ? WindowHelp::StoredText() : WindowAbout::StoredText();
  ASSERT_TRUE(get::App()._ChooseMenuItem(c.menuItem));
  QPointer<fw::Window> first = fw::_GetImplicitWindow(c.classPath);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(AreaOf(*first, c.areaName).Text(), stored);

  AreaOf(*first, c.areaName).SetText(QStringLiteral("changed"));
  CloseWindow(c.classPath);
  EXPECT_TRUE(first.isNull()) << "a closed window must be gone";
  EXPECT_EQ(LiveWindowsOf(c.classPath), 0);

  ASSERT_TRUE(get::App()._ChooseMenuItem(c.menuItem));
  fw::Window* again = fw::_GetImplicitWindow(c.classPath);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(AreaOf(*again, c.areaName).Text(), stored);
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpWindowDesigns, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.menuItem); });

TEST_F(HelpWindows, HelpAreaTakesTypingUntilTheWindowCloses) {
  WindowHelp& w = get::WindowHelp();
  fw::TextArea& area = w.TextAreaHelp();
  area.moveCursor(QTextCursor::Start);
  QTest::keyClicks(&area, "Note: ");
  EXPECT_TRUE(area.Text().startsWith("Note: "));
  ASSERT_TRUE(get::App()._ChooseMenuItem("HelpItem"));  // found again, nothing reset
  EXPECT_TRUE(get::WindowHelp().TextAreaHelp().Text().startsWith("Note: "));
}

TEST_F(HelpWindows, AboutAreaRefusesTyping) {
  fw::TextArea& area = get::WindowAbout().TextAreaAbout();
  const QString before = area.Text();
  area.moveCursor(QTextCursor::Start);
  QTest::keyClicks(&area, "typed");
  QTest::keyClick(&area, Qt::Key_Delete);
  EXPECT_EQ(area.Text(), before);
}

TEST_F(HelpWindows, HelpOpensInSixteenPointFixedPitch) {
  fw::TextArea& area = get::WindowHelp().TextAreaHelp();
  EXPECT_DOUBLE_EQ(area.font().pointSizeF(), 16.0);
  EXPECT_TRUE(QFontInfo(area.font()).fixedPitch());
}

TEST_F(HelpWindows, AboutTextNamesTheProgramAndVersion) {
  const QString text = get::WindowAbout().TextAreaAbout().Text();
  const QStringList lines = text.split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "Morvessa 1.0");
  EXPECT_FALSE(text.endsWith('\n')) << "no line end after the last line";
  EXPECT_FALSE(text.contains('\r'));
}

}  // namespace
}  // namespace helptest
