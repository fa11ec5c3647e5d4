// The six buttons of the arithmetic window. Each reads x, then y, applies one
// operation with x as the receiver and writes z only when everything worked.
#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <string>

#include "arithmetic/Windowbf.h"

namespace {

// The whole text, exactly as typed: the component's grammar decides what counts.
zq::BigFraction readFraction(const fw::TextArea& area) {
  const QByteArray utf8 = area.Text().toUtf8();
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

std::optional<zq::BigFraction> power(const zq::BigFraction& x, const zq::BigFraction& y) {
  if (y.Operator_Compare(0) < 0) {
    fw::MsgBox(QStringLiteral("y can't be negative."));
    return std::nullopt;
  }
  if (zq::zqDen(y).Operator_Compare(1) > 0) {
    fw::MsgBox(QStringLiteral("y must be an integer."));
    return std::nullopt;
  }
  // Outside the 32-bit range the component raises, which ends in "Bad entry".
  const std::int32_t k = zq::zqEquateINT32_BI(zq::zqNum(y));
  const double e = fw::RuntimeCvtSInt32ToReal64(k);
  if (powerDigits(x, e) > kMaxPowerDigits) throw std::length_error("power too long to show");
  return x.Operator_Power(e);
}

}  // namespace

void Windowbf::Calculate(Operation op) {
  Failure failure = Failure::None;
  try {
    zq::ComputationScope scope;
    const zq::BigFraction x = readFraction(TextAreax());
    const zq::BigFraction y = readFraction(TextAreay());  // read even where unused
    const std::optional<zq::BigFraction> z = op(x, y);
    if (!z) return;
    TextAreaz().SetText(QString::fromStdString(z->Str()));
  } catch (const zq::zqDivideByZeroException&) {
    failure = Failure::DivideByZero;
  } catch (const zq::zqBadEntryNumberException&) {
    failure = Failure::BadEntryNumber;
  } catch (const std::bad_alloc&) {
    failure = Failure::OutOfMemory;
  } catch (...) {
    failure = Failure::Other;
  }
  // Shown once the exception is gone, so the box's event loop runs with the
  // failed operation's memory already released.
  if (failure != Failure::None) fw::MsgBox(failureMessage(failure));
}

void Windowbf::PushButton1_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> std::optional<zq::BigFraction> {
    return x.Operator_Add(y);
  });
}

void Windowbf::PushButton2_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> std::optional<zq::BigFraction> {
    return x.Operator_Subtract(y);
  });
}

void Windowbf::PushButton3_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> std::optional<zq::BigFraction> {
    return x.Operator_Multiply(y);
  });
}

void Windowbf::PushButton4_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction& y) -> std::optional<zq::BigFraction> {
    return x.Operator_Divide(y);
  });
}

void Windowbf::PushButton5_Action(fw::PushButton&) {
  Calculate([](const zq::BigFraction& x, const zq::BigFraction&) -> std::optional<zq::BigFraction> {
    return x.Operator_Multiply(x);
  });
}

void Windowbf::PushButton6_Action(fw::PushButton&) { Calculate(&power); }
