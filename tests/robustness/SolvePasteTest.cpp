// Solve on pasted text that is not plain ASCII, on foreign line ends and on
// pastes of ten megabytes: a result or one message, and the typed texts kept.
#include <QElapsedTimer>

#include "SolveFixture.h"

namespace solve_test {
namespace {

const char* const Det = "Determinant of coefficient matrix =";
const QString Untouched = QStringLiteral("previous solution");

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class SolvePaste : public SolveFixture {
 protected:
  // Clicks Solve and checks that the typed texts survived it.
  void SolveKeepingInputs() {
    const QString coefficients = Coefficients().toPlainText(), rhs = RightHandSide().toPlainText();
    ClickSolve();
    EXPECT_TRUE(Coefficients().toPlainText() == coefficients) << "coefficient text changed";
    EXPECT_TRUE(RightHandSide().toPlainText() == rhs) << "right-hand-side text changed";
  }
};

// A named pair of typed texts.
struct TypedSystem {
  const char* name;
  QString coefficients, rhs;
};

void PrintTo(const TypedSystem& c, std::ostream* os) { *os << c.name; }

// Characters that look like separators or signs but are none: each makes an
// entry that is no number, so the component refuses the text.
const TypedSystem ForeignCases[] = {
    {"UnicodeMinus", U("2 1 \u22125\n-3 -1 2\n-3 1 -2\n"), U("8\n-11\n-3\n")},
    {"NulCharacter", QStringLiteral("2 1 -5\n-3 -1 2\n-3 1 -2\n"), QString(QStringLiteral("8\n-11")) + QChar(0) + "\n-3\n"},
    {"RightToLeftMark", U("\u200f2 1 -5\n-3 -1 2\n-3 1 -2\n"), U("8\n-11\n-3\n")},
    {"Emoji", U("2 1 -5\n-3 -1 2\n-3 1 -2 \U0001F600\n"), U("8\n-11\n-3\n")},
    {"EmojiInRightHandSide", U("2 1 -5\n-3 -1 2\n-3 1 -2\n"), U("8\n-11\n\U0001F600\n")},
    {"FullwidthDigit", U("\uff12 1 -5\n-3 -1 2\n-3 1 -2\n"), U("8\n-11\n-3\n")},
    {"ZeroWidthSpace", U("2 1\u200b -5\n-3 -1 2\n-3 1 -2\n"), U("8\n-11\n-3\n")},
};

class ForeignCharacters : public SolvePaste, public ::testing::WithParamInterface<TypedSystem> {};

TEST_P(ForeignCharacters, GiveBadEntryAndKeepEverything) {
  Type(GetParam().coefficients, GetParam().rhs);
  Solution().setPlainText(Untouched);
  SolveKeepingInputs();
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Bad entry")});
  EXPECT_EQ(Solution().toPlainText(), Untouched);
  EXPECT_EQ(LiveWindowzq(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, ForeignCharacters, ::testing::ValuesIn(ForeignCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The text area hands a no-break space over as a blank, so it separates
// entries like one.
TEST_F(SolvePaste, NoBreakSpacesSeparateLikeBlanks) {
  Type(U("2\u00a01 -5\u00a0\n\u00a0-3\u00a0\u00a0-1 2\n-3 1 -2\n"), U("8\u00a0\n-11\n-3\n"));
  SolveKeepingInputs();
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(Solution().toPlainText(), Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}));
}

// Line ends of Windows and of old Macs, alone or mixed, read as rows.
const TypedSystem LineEndCases[] = {
    {"Windows", QStringLiteral("2 1 -5\r\n-3 -1 2\r\n-3 1 -2\r\n"), QStringLiteral("8\r\n-11\r\n-3\r\n")},
    {"OldMac", QStringLiteral("2 1 -5\r-3 -1 2\r-3 1 -2\r"), QStringLiteral("8\r-11\r-3\r")},
    {"WindowsBlankLinesAndNoFinalLineEnd", QStringLiteral("\r\n\r\n2 1 -5\r\n\r\n-3 -1 2\r\n-3 1 -2"),
     QStringLiteral("8\r\n-11\r\n\r\n\r\n-3")},
    {"OldMacBlankLines", QStringLiteral("2 1 -5\r\r\r-3 -1 2\r-3 1 -2\r\r"), QStringLiteral("8\r\r-11\r-3")},
    {"MixedBetweenAreas", QStringLiteral("2 1 -5\r\n-3 -1 2\r\n-3 1 -2"), QStringLiteral("8\r-11\n-3\r\n")},
};

class ForeignLineEnds : public SolvePaste, public ::testing::WithParamInterface<TypedSystem> {};

TEST_P(ForeignLineEnds, ReadAsTheirRows) {
  Type(GetParam().coefficients, GetParam().rhs);
  SolveKeepingInputs();
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(Solution().toPlainText(), Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ForeignLineEnds, ::testing::ValuesIn(LineEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Ten-megabyte pastes. Lines of about a kilobyte, as pasted tables have.

constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

// `line` repeated until the text holds at least `size` characters.
QString Repeated(const QString& line, qsizetype size) { return line.repeated((size + line.size() - 1) / line.size()); }

TEST_F(SolvePaste, TenMegabytesOfSeparatorsAroundTheRowsVanish) {
  const QString filler = Repeated(QString(QStringLiteral(" ,; ")).repeated(256) + "\n", TenMegabytes / 4);
  Type(filler + "2 1 -5\n" + filler + "-3 -1 2\n" + filler + "-3 1 -2\n" + filler, "8\n\n , ;\n-11\n-3\n\n");
  ASSERT_GE(Coefficients().toPlainText().size(), TenMegabytes);
  QElapsedTimer timer;
  timer.start();
  SolveKeepingInputs();
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(Solution().toPlainText(), Lines({"solution set:", "7/3", "40/9", "2/9", Det, "18"}));
  RecordProperty("milliseconds", static_cast<int>(timer.elapsed()));
}

// 160,000 entries read before the one bad entry at the end is found.
TEST_F(SolvePaste, TenMegabytesOfEntriesWithOneBadEntryGiveItsMessage) {
  const QString row =
      QString(QStringLiteral("1234567890123456789012345678901/9876543210987654321098765432 ")).repeated(16) + "\n";
  Type(Repeated(row, TenMegabytes) + "1 x", "1\n");
  Solution().setPlainText(Untouched);
  SolveKeepingInputs();
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Bad entry")});
  EXPECT_EQ(Solution().toPlainText(), Untouched);
}

// One entry of 200,000 digits on one line: a 1 x 1 system, solved exactly.
// (Solving costs more than linear time in the digits: ten million take tens of seconds.)
TEST_F(SolvePaste, LongEntrySolvedExactly) {
  constexpr qsizetype Digits = 200000;
  const QString digits = "1" + QString(Digits, QLatin1Char('0'));
  Type("2\n", digits + "\n");
  SolveKeepingInputs();
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join(QStringLiteral(" | ")).toStdString();
  EXPECT_TRUE(Solution().toPlainText() == "solution set:\n5" + QString(Digits - 1, QLatin1Char('0')) + "\n" + Det +
                                              "\n2\n")
      << "wrong solution of 2x = 10^" << Digits;
}

}  // namespace
}  // namespace solve_test
