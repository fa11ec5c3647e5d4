// The six buttons, driven through the real widgets: type x and y, click the
// button by its caption, read z and the recorded message boxes.
#include <chrono>

#include "ArithWindowFixture.h"

namespace {

// z is pre-filled with this text, which no button may read and a failure
// must leave in place.
constexpr const char* kSentinel = "untouched z";

struct Row {
  const char* name;
  const char* x;
  const char* y;
  const char* button;   // caption
  const char* z;        // expected z, or nullptr when a message is expected
  const char* message;  // the one message box, or nullptr
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

const Row kRows[] = {
    // The help text's example, and the other operations on the same operands.
    {"Example7Add", "2/3", "1e-10", "Add", "20000000003/30000000000", nullptr},
    {"SubIsXMinusY", "2/3", "1e-10", "Sub", "19999999997/30000000000", nullptr},
    {"MulExact", "2/3", "1e-10", "Mul", "1/15000000000", nullptr},
    {"DivIsXOverY", "2/3", "1e-10", "Div", "20000000000/3", nullptr},
    {"SubSmallFromLarge", "1", "3", "Sub", "-2", nullptr},
    {"DivSmallByLarge", "1", "3", "Div", "1/3", nullptr},
    {"ResultInLowestTerms", "1/6", "1/3", "Add", "1/2", nullptr},
    {"LongIntegersStayExact", "123456789012345678901234567890", "987654321098765432109876543210", "Mul",
     "121932631137021795226185032733622923332237463801111263526900", nullptr},
    // Sqr squares x; y is read all the same.
    {"SqrIgnoresY", "2/3", "3", "Sqr", "4/9", nullptr},
    {"SqrOfNegative", "-3/4", "100", "Sqr", "9/16", nullptr},
    {"SqrStillReadsBadY", "2/3", "abc", "Sqr", nullptr, "Bad entry number!"},
    {"SqrStillReadsZeroDenominatorY", "2/3", "1/0", "Sqr", nullptr, "Can't divide by zero!"},
    // Division by zero, by value and by a zero denominator in the text.
    {"DivByZero", "1", "0", "Div", nullptr, "Can't divide by zero!"},
    {"DivByZeroFraction", "5/7", "0/3", "Div", nullptr, "Can't divide by zero!"},
    {"ZeroDenominatorInX", "1/0", "2", "Add", nullptr, "Can't divide by zero!"},
    // Unreadable texts.
    {"BadX", "abc", "1", "Add", nullptr, "Bad entry number!"},
    {"BadY", "1", "2/3x", "Mul", nullptr, "Bad entry number!"},
    {"EmptyY", "1", "", "Add", nullptr, "Bad entry number!"},
    // The whole text is one number: a second line is not dropped.
    {"SecondLineInX", "1\n2", "1", "Add", nullptr, "Bad entry number!"},
    {"BlanksAroundX", " 1/2 \n", "1", "Add", "3/2", nullptr},
    // A failure of any other class while reading: "Bad entry".
    {"ExponentTooLargeInXText", "1e200000", "1", "Add", nullptr, "Bad entry"},
    // x is read before y: with both bad, x's failure is the one reported.
    {"XBeforeYBadThenZero", "abc", "1/0", "Add", nullptr, "Bad entry number!"},
    {"XBeforeYZeroThenBad", "1/0", "abc", "Add", nullptr, "Can't divide by zero!"},
    {"XReadBeforeExponentChecks", "abc", "-1", "x^y", nullptr, "Bad entry number!"},
    // x^y: the power, then the two checks in their order.
    {"PowerCube", "2/3", "3", "x^y", "8/27", nullptr},
    {"PowerZero", "2/3", "0", "x^y", "1", nullptr},
    {"PowerWholeFraction", "2/3", "4/2", "x^y", "4/9", nullptr},
    {"PowerOfNegativeBase", "-2", "3", "x^y", "-8", nullptr},
    {"PowerLarge", "2", "100", "x^y", "1267650600228229401496703205376", nullptr},
    {"PowerOfOneLargestExponent", "1", "2147483647", "x^y", "1", nullptr},
    {"PowerOfMinusOneOddExponent", "-1", "2147483647", "x^y", "-1", nullptr},
    {"PowerNegative", "2/3", "-1", "x^y", nullptr, "y can't be negative."},
    {"PowerNegativeFraction", "2/3", "-1/2", "x^y", nullptr, "y can't be negative."},
    {"PowerFraction", "2/3", "1/2", "x^y", nullptr, "y must be an integer."},
    {"PowerOfBadX", "1/0", "2", "x^y", nullptr, "Can't divide by zero!"},
    // Unsafe exponents end in a message, quickly.
    {"PowerResultTooLarge", "3/7", "2000000000", "x^y", nullptr, "Bad entry"},
    {"PowerTooLongToShow", "3/7", "400000", "x^y", nullptr, "Bad entry"},
    {"PowerLargestInt32", "2", "2147483647", "x^y", nullptr, "Bad entry"},
    {"PowerBeyondInt32", "2", "2147483648", "x^y", nullptr, "Bad entry"},
    {"PowerFarBeyondInt32", "3/7", "1e30", "x^y", nullptr, "Bad entry"},
};

class ArithmeticActions : public ArithWindowTest, public ::testing::WithParamInterface<Row> {};

TEST_P(ArithmeticActions, ClickGivesZOrOneMessage) {
  const Row& row = GetParam();
  fw::Window& w = open();
  QPlainTextEdit& x = area(w, "TextAreax");
  QPlainTextEdit& y = area(w, "TextAreay");
  QPlainTextEdit& z = area(w, "TextAreaz");
  x.setPlainText(QString::fromUtf8(row.x));
  y.setPlainText(QString::fromUtf8(row.y));
  z.setPlainText(QString::fromUtf8(kSentinel));

  const auto start = std::chrono::steady_clock::now();
  buttonCaptioned(w, QString::fromUtf8(row.button)).click();
  const auto elapsed = std::chrono::steady_clock::now() - start;

  if (row.z != nullptr) {
    EXPECT_EQ(z.toPlainText().toStdString(), row.z);
    EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join(" | ").toStdString();
  } else {
    EXPECT_EQ(fw::test::Messages(), QStringList{QString::fromUtf8(row.message)});
    EXPECT_EQ(z.toPlainText().toStdString(), kSentinel);
  }
  // The operands are never rewritten.
  EXPECT_EQ(x.toPlainText().toStdString(), row.x);
  EXPECT_EQ(y.toPlainText().toStdString(), row.y);
  // A refused or failed power must not freeze the window.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 1000);
}

INSTANTIATE_TEST_SUITE_P(Table, ArithmeticActions, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

// A second click with unchanged operands writes the same z; z itself is never
// an input.
TEST_F(ArithWindowTest, EditedZIsNotAnInput) {
  fw::Window& w = open();
  area(w, "TextAreax").setPlainText("5");
  area(w, "TextAreay").setPlainText("7");
  area(w, "TextAreaz").setPlainText("1000");
  buttonCaptioned(w, "Add").click();
  EXPECT_EQ(area(w, "TextAreaz").toPlainText(), "12");
  area(w, "TextAreaz").setPlainText("999/2");
  buttonCaptioned(w, "Add").click();
  EXPECT_EQ(area(w, "TextAreaz").toPlainText(), "12");
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

// Powers are shown up to about half a million digits; one more is refused at
// once instead of stalling the window.
TEST_F(ArithWindowTest, PowerLengthIsBounded) {
  fw::Window& w = open();
  area(w, "TextAreax").setPlainText("10");
  area(w, "TextAreay").setPlainText("500000");
  buttonCaptioned(w, "x^y").click();
  const QString shown = area(w, "TextAreaz").toPlainText();
  EXPECT_EQ(shown.size(), 500001);
  EXPECT_TRUE(shown.startsWith("10000"));
  EXPECT_EQ(shown.count('0'), 500000);
  EXPECT_TRUE(fw::test::Messages().isEmpty());

  area(w, "TextAreay").setPlainText("500001");
  area(w, "TextAreaz").setPlainText(kSentinel);
  const auto start = std::chrono::steady_clock::now();
  buttonCaptioned(w, "x^y").click();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(fw::test::Messages(), QStringList{"Bad entry"});
  EXPECT_EQ(area(w, "TextAreaz").toPlainText(), kSentinel);
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 1000);
}

}  // namespace
