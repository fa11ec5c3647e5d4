// The stored help text keeps the form the help window relies on: "\n" line
// ends, the outline's fixed lines, and only the typographic marks beyond ASCII.
#include <gtest/gtest.h>

#include <QMap>

#include "HelpExamples.h"
#include "shell/WindowHelp.h"

namespace helptest {
namespace {

TEST(HelpText, LinesEndInLineFeedsOnly) {
  const QString text = WindowHelp::StoredText();
  EXPECT_FALSE(text.contains('\r'));
  EXPECT_FALSE(text.contains('\t'));
  EXPECT_TRUE(text.endsWith('\n'));
  EXPECT_FALSE(text.endsWith("\n\n")) << "the signature's last line ends the text";
}

TEST(HelpText, OnlyTheTypographicQuotesLieBeyondAscii) {
  const QString text = WindowHelp::StoredText();
  QMap<char16_t, int> beyondAscii;
  for (QChar c : text)
    if (c.unicode() > 0x7F) ++beyondAscii[c.unicode()];
  const QMap<char16_t, int> expected{{u'\u2019', 2}, {u'\u201C', 2}, {u'\u201D', 2}};
  EXPECT_EQ(beyondAscii, expected);
  EXPECT_TRUE(text.contains(u"\u201Cfloating point output\u201D"));
  EXPECT_TRUE(text.contains(u"\u201Cdo Arithmetic\u201D"));
  EXPECT_FALSE(text.contains('\''));
}

TEST(HelpText, FollowsTheOutline) {
  QStringList lines = WindowHelp::StoredText().split('\n');
  lines.removeLast();
  ASSERT_GE(lines.size(), 10);
  EXPECT_EQ(lines.mid(0, 3), QStringList({"", "Morvessa", ""}));

  // The end: closing line, two empty lines, a signature block of four lines.
  const qsizetype n = lines.size();
  const QString closing = lines[n - 7];
  EXPECT_TRUE(closing.contains("Morvessa"));
  EXPECT_TRUE(closing.endsWith("Try a non-square coefficient matrix.")) << closing.toStdString();
  EXPECT_EQ(lines[n - 6], "");
  EXPECT_EQ(lines[n - 5], "");
  for (qsizetype i = n - 4; i < n; ++i) EXPECT_FALSE(lines[i].isEmpty()) << "signature line " << i;
  EXPECT_EQ(lines[n - 4], "Morvessa 1.0");

  // Eight worked examples, in order, each with a result.
  const auto examples = ParseWorkedExamples(WindowHelp::StoredText());
  ASSERT_EQ(examples.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(examples[i].number, i + 1);
}

}  // namespace
}  // namespace helptest
