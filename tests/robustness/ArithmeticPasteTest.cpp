// The arithmetic buttons on pasted text that is not plain ASCII, on foreign
// line ends and on pastes of ten megabytes: a result or one message, and x
// and y kept.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QString>
#include <QStringList>

#include "arithmetic/Windowbf.h"
#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/Startup.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const QString Untouched = QStringLiteral("previous z");

class ArithmeticPaste : public ::testing::Test {
 protected:
  void SetUp() override {
    StartForTests();
    window_ = &get::Windowbf();
    fw::test::ClearMessages();
  }
  void TearDown() override {
    if (fw::Window* w = fw::_GetImplicitWindow(QStringLiteral("Windowbf.Windowbf"))) w->close();
    fw::test::ProcessDeferredDeletes();
    fw::test::ClearMessages();
  }

  // Types x and y, clicks the button captioned `caption` and checks that x
  // and y survived it; returns the text of z.
  QString Click(const QString& x, const QString& y, const QString& caption) {
    window_->TextAreax().SetText(x);
    window_->TextAreay().SetText(y);
    window_->TextAreaz().SetText(Untouched);
    const QString typedX = window_->TextAreax().Text(), typedY = window_->TextAreay().Text();
    for (QPushButton* b : window_->findChildren<QPushButton*>())
      if (b->text() == caption) b->click();
    EXPECT_TRUE(window_->TextAreax().Text() == typedX) << "x changed";
    EXPECT_TRUE(window_->TextAreay().Text() == typedY) << "y changed";
    return window_->TextAreaz().Text();
  }

  Windowbf* window_ = nullptr;
};

// Look-alikes of signs and blanks are no part of the number grammar.
struct ForeignCase {
  const char* name;
  QString x;
};

void PrintTo(const ForeignCase& c, std::ostream* os) { *os << c.name; }

const ForeignCase ForeignCases[] = {
    {"UnicodeMinus", U("\u22122/3")},
    {"NulCharacter", QStringLiteral("2/3") + QChar(0)},
    {"RightToLeftMark", U("\u200f2/3")},
    {"Emoji", U("2/3\U0001F600")},
    {"FullwidthDigits", U("\uff12/\uff13")},
    {"FractionSlash", U("2\u20443")},
};

class ArithmeticForeignCharacters : public ArithmeticPaste, public ::testing::WithParamInterface<ForeignCase> {};

TEST_P(ArithmeticForeignCharacters, GiveBadEntryNumberAndKeepZ) {
  EXPECT_EQ(Click(GetParam().x, "1", "Add"), Untouched);
  EXPECT_EQ(fw::test::Messages(), QStringList{QStringLiteral("Bad entry number!")});
}

INSTANTIATE_TEST_SUITE_P(Cases, ArithmeticForeignCharacters, ::testing::ValuesIn(ForeignCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A number pasted with the line ends around it reads as the number.
TEST_F(ArithmeticPaste, LineEndsAroundANumberAreBlanks) {
  for (const QString& x : {QStringLiteral("2/3\r\n"), QStringLiteral("2/3\r"), QStringLiteral("\r\n\r\n2/3\r\n\r\n"),
                           QStringLiteral("\r\r2/3\r")}) {
    EXPECT_EQ(Click(x, "1e-10\r\n", "Add"), "20000000003/30000000000");
    EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join(" | ").toStdString();
  }
}

// The text area hands a no-break space over as a blank, which may surround a number.
TEST_F(ArithmeticPaste, NoBreakSpacesAroundANumberAreBlanks) {
  EXPECT_EQ(Click(U("\u00a02/3\u00a0"), "1", "Add"), "5/3");
  EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join(" | ").toStdString();
  EXPECT_EQ(Click(U("2\u00a0/3"), "1", "Add"), Untouched);
  EXPECT_EQ(fw::test::Messages(), QStringList{QStringLiteral("Bad entry number!")});
}

// Two numbers on two lines are no number.
TEST_F(ArithmeticPaste, TwoLinesAreNoNumber) {
  EXPECT_EQ(Click("2\r\n3", "1", "Add"), Untouched);
  EXPECT_EQ(fw::test::Messages(), QStringList{QStringLiteral("Bad entry number!")});
}

constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

TEST_F(ArithmeticPaste, TenMegabytesOfBlankLinesAroundANumber) {
  const QString blanks = QString(QStringLiteral(" ")).repeated(1023) + "\n";
  const QString padding = blanks.repeated(TenMegabytes / 2 / blanks.size());
  EXPECT_EQ(Click(padding + "2/3" + padding, "1e-10", "Add"), "20000000003/30000000000");
  EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join(" | ").toStdString();
}

TEST_F(ArithmeticPaste, TenMegabytesOfJunkGiveBadEntryNumber) {
  const QString junk = QString(QStringLiteral("junk ")).repeated(200) + "\n";
  EXPECT_EQ(Click("1", junk.repeated(TenMegabytes / junk.size()), "Mul"), Untouched);
  EXPECT_EQ(fw::test::Messages(), QStringList{QStringLiteral("Bad entry number!")});
}

// 300,000 digits on one line in, 300,000 digits out.
TEST_F(ArithmeticPaste, LongOperand) {
  constexpr qsizetype Digits = 300000;
  const QString x = "1" + QString(Digits, QLatin1Char('0'));
  EXPECT_TRUE(Click(x, "1", "Sub") == QString(Digits, QLatin1Char('9'))) << "10^n - 1 is not n nines";
  EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join(" | ").toStdString();
}

}  // namespace
