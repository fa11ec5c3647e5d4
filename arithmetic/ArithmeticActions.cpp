// The six buttons of the arithmetic window. Each reads x, then y, applies one
// operation with x as the receiver and writes z only when everything worked.
#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <string>
#include <variant>

#include "arithmetic/Windowbf.h"

namespace {

// The whole text, exactly as typed: the component's grammar decides what counts.
zq::BigFraction readFraction(const QByteArray& utf8) {
  return zq::BigFraction(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

enum class Failure { None, DivideByZero, BadEntryNumber, OutOfMemory, Other };

QString failureMessage(Failure f) {
  switch (f) {
    case Failure::DivideByZero: return QStringLiteral("Can't divide by zero!");
    case Failure::BadEntryNumber: return QStringLiteral("Bad entry number!");
    case Failure::OutOfMemory: return QStringLiteral("Not enough memory for this result.");
    default: return QStringLiteral("Bad entry");
  }
}

// A text area lays out a few hundred thousand digits at once without the window
// stalling; longer powers are refused before they are computed.
constexpr double kMaxPowerDigits = 500000;

// log10 of a positive integer from its decimal text, from its leading digits.
double log10OfDecimal(const std::string& digits) {
  const std::size_t lead = std::min<std::size_t>(digits.size(), 15);
  return std::log10(std::stod(digits.substr(0, lead))) + static_cast<double>(digits.size() - lead);
}

// About how many digits the numerator and denominator of x^e have together.
double powerDigits(const zq::BigFraction& x, double e) {
  if (x.Operator_Compare(0) == 0) return 1;
  std::string num = zq::zqNum(x).Str();
  if (num.front() == '-') num.erase(0, 1);
  return e * (log10OfDecimal(num) + log10OfDecimal(zq::zqDen(x).Str()));
}

Windowbf::Outcome power(const zq::BigFraction& x, const zq::BigFraction& y) {
  if (y.Operator_Compare(0) < 0) return QStringLiteral("y can't be negative.");
  if (zq::zqDen(y).Operator_Compare(1) > 0) return QStringLiteral("y must be an integer.");
  // Outside the 32-bit range the component raises, which ends in "Bad entry".
  const std::int32_t k = zq::zqEquateINT32_BI(zq::zqNum(y));
  const double e = fw::RuntimeCvtSInt32ToReal64(k);
  if (powerDigits(x, e) > kMaxPowerDigits) throw std::length_error("power too long to show");
  return x.Operator_Power(e);
}

// z's text, or the message that ends the action early. Runs off the
// user-interface thread; every number is made and dropped inside the scope.
struct Computed {
  std::optional<QString> zText;
  QString message;
};

Computed compute(Windowbf::Operation op, const QByteArray& xText, const QByteArray& yText) {
  const zq::ComputationScope scope;
  const zq::BigFraction x = readFraction(xText);
  const zq::BigFraction y = readFraction(yText);  // read even where unused
  Windowbf::Outcome z = op(x, y);
  if (const QString* message = std::get_if<QString>(&z)) return {std::nullopt, *message};
  return {QString::fromStdString(std::get<zq::BigFraction>(z).Str()), {}};
}

}  // namespace

void Windowbf::Calculate(Operation op) {
  Failure failure = Failure::None;
  try {
    const QByteArray xText = TextAreax().Text().toUtf8();
    const QByteArray yText = TextAreay().Text().toUtf8();
    const Computed result = fw::RunOffUIThread([&] { return compute(op, xText, yText); });
    if (!result.zText) {
      fw::MsgBox(result.message);
      return;
    }
    TextAreaz().SetText(*result.zText);
  } catch (const zq::zqDivideByZeroException&) {
    failure = Failure::DivideByZero;
  } catch (const zq::zqBadEntryNumberException&) {
    failure = Failure::BadEntryNumber;
  } catch (const std::bad_alloc&) {  // the component's zqOutOfMemoryException too
    failure = Failure::OutOfMemory;
  } catch (...) {
    failure = Failure::Other;
  }
  // Shown once the exception is gone, so the box's event loop runs with the
  // failed operation's memory already released.
  if (failure != Failure::None) fw::MsgBox(failureMessage(failure));
}

void Windowbf::PushButton1_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> Windowbf::Outcome {
    return x.Operator_Add(y);
  });
}

void Windowbf::PushButton2_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> Windowbf::Outcome {
    return x.Operator_Subtract(y);
  });
}

void Windowbf::PushButton3_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> Windowbf::Outcome {
    return x.Operator_Multiply(y);
  });
}

void Windowbf::PushButton4_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> Windowbf::Outcome {
    return x.Operator_Divide(y);
  });
}

void Windowbf::PushButton5_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction&) -> Windowbf::Outcome {
    return x.Operator_Multiply(x);
  });
}

void Windowbf::PushButton6_Action(fw::PushButton&) { Calculate(&power); }
