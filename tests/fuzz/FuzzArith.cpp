// The six arithmetic actions on arbitrary x and y texts, clicked through the
// real arithmetic window: z gets exactly the operation's result or keeps its
// text with one message; x and y never change. Input: x '|' y.
#include <QByteArray>
#include <array>
#include <functional>
#include <string>

#include "FuzzSupport.h"
#include "GuiHarness.h"
#include "arithmetic/Windowbf.h"
#include "framework/Framework.h"
#include "zq/zq.h"

namespace {

using zq::BigFraction;

struct Expected {
  QString message;  // empty: z becomes `z`
  QString z;
  bool nearPowerCap = false;  // x^y close to the longest power shown: "Bad entry" allowed too
};

// x^y results longer than this many digits are refused with "Bad entry".
constexpr double kPowerCapDigits = 500000;

// Digits of the numerator and denominator of x together, from their texts.
double Digits(const BigFraction& x) {
  std::string num = zq::zqNum(x).Str();
  if (num.front() == '-') num.erase(0, 1);
  const std::string den = zq::zqDen(x).Str();
  return static_cast<double>(num.size() + den.size());
}

BigFraction Read(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return BigFraction(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// One button's steps: x, then y, then the operation (and the two checks of x^y).
Expected Model(int button, const QString& xText, const QString& yText) {
  Expected r;
  try {
    const BigFraction x = Read(xText), y = Read(yText);
    BigFraction z;
    switch (button) {
      case 1: z = x.Operator_Add(y); break;
      case 2: z = x.Operator_Subtract(y); break;
      case 3: z = x.Operator_Multiply(y); break;
      case 4: z = x.Operator_Divide(y); break;
      case 5: z = x.Operator_Multiply(x); break;
      default:
        if (y.Operator_Compare(0) < 0) return {"y can't be negative.", {}};
        if (zq::zqDen(y).Operator_Compare(1) > 0) return {"y must be an integer.", {}};
        const double e = static_cast<double>(zq::zqEquateINT32_BI(zq::zqNum(y)));
        if (x.Operator_Compare(0) != 0) {
          // The cap is estimated from the leading digits: exact only away from it.
          const double high = e * Digits(x), low = e * (Digits(x) - 2);
          if (low > kPowerCapDigits * 1.001) return {"Bad entry", {}};
          r.nearPowerCap = high > kPowerCapDigits * 0.999;
        }
        z = x.Operator_Power(e);
    }
    r.z = QString::fromStdString(z.Str());
  } catch (const zq::zqDivideByZeroException&) {
    r.message = "Can't divide by zero!";
  } catch (const zq::zqBadEntryNumberException&) {
    r.message = "Bad entry number!";
  } catch (...) {
    r.message = "Bad entry";
  }
  return r;
}

const QString kZBefore = QStringLiteral("z before the click");

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::gui::Initialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QStringList fields = fuzz::SplitFields(data, size, 2);
  Windowbf& window = get::Windowbf();
  window.TextAreax().SetText(fields[0]);
  window.TextAreay().SetText(fields[1]);
  const QString x = window.TextAreax().Text(), y = window.TextAreay().Text();
  const std::string input = " for x " + fuzz::Quoted(x) + " and y " + fuzz::Quoted(y);
  const std::array<fw::PushButton*, 6> buttons = {&window.PushButton1(), &window.PushButton2(),
                                                  &window.PushButton3(), &window.PushButton4(),
                                                  &window.PushButton5(), &window.PushButton6()};
  for (int b = 1; b <= 6; ++b) {
    window.TextAreaz().SetText(kZBefore);
    fuzz::gui::ClearMessages();
    const Expected expected = Model(b, x, y);
    buttons[b - 1]->click();
    const std::string which = "button " + std::to_string(b) + input;
    const QStringList messages = fuzz::gui::Messages();
    fuzz::Check(window.TextAreax().Text() == x && window.TextAreay().Text() == y, "x or y changed by " + which);
    if (expected.nearPowerCap && messages == QStringList{QStringLiteral("Bad entry")}) {
      fuzz::Check(window.TextAreaz().Text() == kZBefore, "z changed after a refused power from " + which);
    } else if (expected.message.isEmpty()) {
      fuzz::Check(messages.isEmpty(), "unexpected message " + fuzz::Quoted(messages.join(" / ")) + " from " + which);
      fuzz::Check(window.TextAreaz().Text() == expected.z,
                  "z " + fuzz::Quoted(window.TextAreaz().Text()) + ", expected " + fuzz::Quoted(expected.z) + " from " +
                      which);
    } else {
      fuzz::Check(messages == QStringList{expected.message}, "messages " + fuzz::Quoted(messages.join(" / ")) +
                                                                 ", expected " + fuzz::Quoted(expected.message) +
                                                                 " from " + which);
      fuzz::Check(window.TextAreaz().Text() == kZBefore, "z changed after a failure of " + which);
    }
  }
  fuzz::gui::Settle();
  return 0;
}
