#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontInfo>
#include <QTest>

#include "framework/Controls.h"
#include "framework/TestSupport.h"

namespace {

fw::ControlDesign area(bool horizontalBar = true) {
  return {.Name = "TextAreasol", .Class = fw::ControlClass::TextArea, .Left = 20, .Top = 414, .Width = 685,
          .Height = 293, .TabIndex = 5, .ScrollbarHorizontal = horizontalBar};
}

TEST(TextAreaTest, CourierGivesAFixedPitchFontForTheWholeAreaAndLaterText) {
  fw::TextArea a;
  a._SetProperties(area());
  a.SetSelTextFont("Courier");
  a.SetSelTextSize(16);
  a.SetText("solution set:\n7/3\n");
  EXPECT_TRUE(QFontInfo(a.font()).fixedPitch()) << QFontInfo(a.font()).family().toStdString();
  EXPECT_DOUBLE_EQ(a.font().pointSizeF(), 16.0);
  EXPECT_TRUE(QFontInfo(a.document()->defaultFont()).fixedPitch());
  EXPECT_EQ(a.fontMetrics().horizontalAdvance("iiii"), a.fontMetrics().horizontalAdvance("MMMM"));
}

TEST(TextAreaTest, SizeZeroKeepsTheSizeAndOtherFamiliesAreUsedAsGiven) {
  fw::TextArea a;
  const double before = a.font().pointSizeF();
  a.SetSelTextSize(0);
  EXPECT_DOUBLE_EQ(a.font().pointSizeF(), before);
  a.SetSelTextFont("DejaVu Sans");
  EXPECT_EQ(QFontInfo(a.font()).family(), "DejaVu Sans");
}

TEST(TextAreaTest, DesignFlagsMapToTheWidget) {
  fw::TextArea noWrap, wraps;
  noWrap._SetProperties(area(true));
  wraps._SetProperties(area(false));
  EXPECT_EQ(noWrap.lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(wraps.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(wraps.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_TRUE(noWrap.tabChangesFocus());
  EXPECT_FALSE(noWrap.isReadOnly());

  auto about = area(false);
  about.ReadOnly = true;
  about.Alignment = 2;
  about.AcceptTabs = true;
  about.Text = "\rMorvessa";
  fw::TextArea a;
  a._SetProperties(about);
  EXPECT_TRUE(a.isReadOnly());
  EXPECT_FALSE(a.tabChangesFocus());
  EXPECT_EQ(a.document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(a.Text(), "\nMorvessa");  // a carriage return reads back as the platform's line end
  EXPECT_EQ(a.objectName(), "TextAreasol");
}

TEST(TextAreaTest, WholeTextRoundTripsAndMegabytesAreFast) {
  fw::TextArea a;
  a._SetProperties(area());
  const QString lines = "2 1 -5\n-3 -1 2\n-3 1 -2\n";
  a.SetText(lines);
  EXPECT_EQ(a.Text(), lines);
  a.SetText("<b>not rich</b>");
  EXPECT_EQ(a.Text(), "<b>not rich</b>");

  QString big;
  const QString row = QString("123456789/987654321  ").repeated(20) + "\n";
  while (big.size() < 4 * 1024 * 1024) big += row;
  QElapsedTimer timer;
  timer.start();
  a.SetText(big);
  const QString back = a.Text();
  EXPECT_EQ(back.size(), big.size());
  EXPECT_LT(timer.elapsed(), 5000) << "4 MB set and read back in " << timer.elapsed() << " ms";
}

TEST(TextFieldTest, AlignmentAndText) {
  fw::TextField f;
  f._SetProperties({.Name = "TextFieldDecPrec", .Class = fw::ControlClass::TextField, .Left = 199, .Top = 19,
                    .Width = 80, .Height = 22, .TabIndex = 1, .Alignment = 2});
  EXPECT_TRUE(f.alignment() & Qt::AlignHCenter);
  f.SetText("15");
  EXPECT_EQ(f.Text(), "15");
  EXPECT_EQ(f.Name(), "TextFieldDecPrec");
}

TEST(LabelTest, CaptionIsPlainText) {
  fw::Label l;
  l._SetProperties({.Name = "Label1", .Class = fw::ControlClass::Label, .Left = 20, .Top = 20, .Width = 128,
                    .Height = 23, .TabIndex = 0, .Text = "Coefficient matrix:"});
  EXPECT_EQ(l.text(), "Coefficient matrix:");
  EXPECT_EQ(l.textFormat(), Qt::PlainText);
  EXPECT_EQ(l.geometry(), QRect(20, 20, 128, 23));
}

}  // namespace
