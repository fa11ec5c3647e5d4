// A failure while the floating text is composed. No typed system makes the
// conversion to floating point fail, so this executable defines the
// component's conversion itself (its definition wins over the shared
// library's): it forwards to the real one and throws on a chosen call.
#include <dlfcn.h>

#include <new>

#include "SolveFixture.h"

namespace {

enum class Throw { DivideByZero, BadEntryNumber, Arithmetic, OutOfMemory, ComponentOutOfMemory, NotAStandardException };

int conversions = 0;  // calls since the last reset
int failAt = 0;       // the call that throws, counted from 1; 0: none
Throw failure = Throw::Arithmetic;

void ThrowChosenFailure() {
  switch (failure) {
    case Throw::DivideByZero:
      throw zq::zqDivideByZeroException("injected");
    case Throw::BadEntryNumber:
      throw zq::zqBadEntryNumberException("injected");
    case Throw::Arithmetic:
      throw zq::zqArithmeticException("injected");
    case Throw::OutOfMemory:
      throw std::bad_alloc();
    case Throw::ComponentOutOfMemory:
      throw zq::zqOutOfMemoryException();
    case Throw::NotAStandardException:
      throw 42;
  }
}

}  // namespace

zq::BigFloat zq::zqEquateBF_BFR(const zq::BigFraction& x) {
  using Conversion = zq::BigFloat (*)(const zq::BigFraction&);
  static const auto real = reinterpret_cast<Conversion>(dlsym(RTLD_NEXT, "_ZN2zq14zqEquateBF_BFRERKNS_11BigFractionE"));
  if (real == nullptr) throw std::logic_error("the component's zqEquateBF_BFR was not found");
  if (++conversions == failAt) ThrowChosenFailure();
  return real(x);
}

namespace solve_test {
namespace {

enum class Call { First, Last };

struct FloatingFailureCase {
  const char* name;
  QString coefficients, rhs;
  Call failing;  // First: inside a matrix layout; Last: the last number converted
  Throw kind;
  QString message;
};

void PrintTo(const FloatingFailureCase& c, std::ostream* os) { *os << c.name; }

const QString Default = Lines({"2 1 -5", "-3 -1 2", "-3 1 -2"});
const QString DefaultRhs = Lines({"8", "-11", "-3"});

const FloatingFailureCase Cases[] = {
    {"SolutionEntry", Default, DefaultRhs, Call::First, Throw::DivideByZero, QStringLiteral("Can't divide by zero")},
    {"Determinant", Default, DefaultRhs, Call::Last, Throw::BadEntryNumber, QStringLiteral("Bad entry")},
    {"ReducedMatrixOfZeroDeterminant", Lines({"1 2 3", "4 5 6", "7 8 9"}), Lines({"1", "2", "3"}), Call::Last,
     Throw::Arithmetic, QStringLiteral("Bad Entry")},
    {"ReducedMatrixOfNonSquare", QStringLiteral("1 2"), QStringLiteral("3"), Call::First, Throw::OutOfMemory,
     QStringLiteral("Not enough memory to solve this system.")},
    {"ComponentOutOfMemory", Default, DefaultRhs, Call::Last, Throw::ComponentOutOfMemory,
     QStringLiteral("Not enough memory to solve this system.")},
    {"NotAStandardException", Lines({"1", "2"}), Lines({"3", "6"}), Call::Last, Throw::NotAStandardException,
     QStringLiteral("Bad Entry")},
};

class FloatingFailures : public SolveFixture, public ::testing::WithParamInterface<FloatingFailureCase> {
 protected:
  void TearDown() override {
    failAt = 0;
    SolveFixture::TearDown();
  }
  // Solves the system with nothing failing; returns how many numbers it
  // converted to floating point.
  int SolveCountingConversions() {
    failAt = 0;
    conversions = 0;
    ClickSolve();
    return conversions;
  }
};

TEST_P(FloatingFailures, KeepTheNewExactTextAndTheOldFloatingText) {
  const FloatingFailureCase& c = GetParam();
  Type(c.coefficients, c.rhs);
  const int converted = SolveCountingConversions();
  ASSERT_GT(converted, 0);
  const QString newExact = Solution().toPlainText();

  Type(QStringLiteral("4"), QStringLiteral("2"));
  SolveCountingConversions();
  const QString oldFloating = FloatingText();
  ASSERT_EQ(oldFloating, Lines({"solution set:", "0.5", "Determinant of coefficient matrix =", "4"}));
  ASSERT_TRUE(Messages().isEmpty());

  Type(c.coefficients, c.rhs);
  const QString coefficients = Coefficients().toPlainText(), rhs = RightHandSide().toPlainText();
  failure = c.kind;
  conversions = 0;
  failAt = c.failing == Call::First ? 1 : converted;
  ClickSolve();
  EXPECT_EQ(Messages(), QStringList{c.message});
  EXPECT_EQ(Solution().toPlainText(), newExact);
  EXPECT_EQ(FloatingText(), oldFloating);
  EXPECT_FALSE(Windowzq().isVisible());
  EXPECT_EQ(Coefficients().toPlainText(), coefficients);
  EXPECT_EQ(RightHandSide().toPlainText(), rhs);

  // Without a window, the failing Solve does not build one.
  CloseWindowzq();
  Solution().setPlainText(QString());
  fw::test::ClearMessages();
  conversions = 0;
  ClickSolve();
  EXPECT_EQ(Messages(), QStringList{c.message});
  EXPECT_EQ(Solution().toPlainText(), newExact);
  EXPECT_EQ(LiveWindowzq(), nullptr) << "the floating-point output window was referenced";
}

INSTANTIATE_TEST_SUITE_P(Cases, FloatingFailures, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The user has the window open: a failing Solve leaves it shown with its text.
TEST_F(SolveFixture, FloatingFailureLeavesAnOpenWindowShownWithItsText) {
  ASSERT_TRUE(get::App()._ChooseMenuItem(QStringLiteral("WindowWindowzq")));
  Type(QStringLiteral("4"), QStringLiteral("2"));
  ClickSolve();
  const QString oldFloating = FloatingText();
  Type(Default, DefaultRhs);
  failure = Throw::Arithmetic;
  conversions = 0;
  failAt = 1;
  ClickSolve();
  failAt = 0;
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Bad Entry")});
  EXPECT_EQ(Solution().toPlainText(),
            Lines({"solution set:", "7/3", "40/9", "2/9", "Determinant of coefficient matrix =", "18"}));
  EXPECT_EQ(FloatingText(), oldFloating);
  EXPECT_TRUE(Windowzq().isVisible());
  EXPECT_TRUE(get::App().WindowzqOpen);
}

}  // namespace
}  // namespace solve_test
