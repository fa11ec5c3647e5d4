// The BigFraction text constructor on arbitrary bytes: it reads exactly the
// documented grammar (checked against a GMP reading of it), raises only the
// component's exceptions, and what it reads behaves as a fraction.
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "ReferenceNumber.h"
#include "zq/zq.h"

namespace {

using zq::BigFraction;
using Outcome = fuzz::ReferenceNumber::Outcome;

const char* Name(Outcome o) {
  switch (o) {
    case Outcome::Value: return "a value";
    case Outcome::BadEntry: return "zqBadEntryNumberException";
    case Outcome::ExponentLimit: return "zqArithmeticException (exponent limit)";
    case Outcome::DivideByZero: return "zqDivideByZeroException";
  }
  return "?";
}

Outcome Classify(const zq::RuntimeException& e) {
  if (dynamic_cast<const zq::zqDivideByZeroException*>(&e)) return Outcome::DivideByZero;
  if (dynamic_cast<const zq::zqBadEntryNumberException*>(&e)) return Outcome::BadEntry;
  return Outcome::ExponentLimit;
}

// "0" or -?[1-9][0-9]*(/[1-9][0-9]*)? (std::regex recurses per character).
bool Canonical(std::string_view s) {
  if (s == "0") return true;
  if (!s.empty() && s[0] == '-') s.remove_prefix(1);
  auto positive = [](std::string_view d) {
    if (d.empty() || d[0] == '0') return false;
    for (char c : d)
      if (c < '0' || c > '9') return false;
    return true;
  };
  const std::size_t slash = s.find('/');
  if (slash == std::string_view::npos) return positive(s);
  return positive(s.substr(0, slash)) && positive(s.substr(slash + 1)) && s.substr(slash + 1) != "1";
}

void CheckArithmetic(const BigFraction& x, const std::string& text) {
  const std::string s = x.Str();
  fuzz::Check(Canonical(s), "Str is not in lowest-terms form: " + s);
  fuzz::Check(zq::Str(x) == s, "Str(x) and x.Str() differ");
  fuzz::Check(BigFraction(s) == x, "Str does not read back: " + s);

  const std::string num = zq::zqNum(x).Str(), den = zq::zqDen(x).Str();
  fuzz::Check(s == (den == "1" ? num : num + "/" + den), "zqNum/zqDen disagree with Str " + s);
  fuzz::Check(zq::zqDen(x).Operator_Compare(1) >= 0, "denominator not positive");
  const int sign = x.Operator_Compare(0);
  fuzz::Check(sign == (s[0] == '-' ? -1 : s == "0" ? 0 : 1), "Operator_Compare(0) wrong for " + s);

  const BigFraction zero, one(1), two(2);
  fuzz::Check(x - x == zero, "x - x != 0");
  fuzz::Check(x + x == x * two, "x + x != 2x");
  if (sign != 0) {
    fuzz::Check(x / x == one, "x / x != 1");
    fuzz::Check((x * x) / x == x, "x*x/x != x");
  } else {
    bool raised = false;
    try {
      (void)(one / x);
    } catch (const zq::zqDivideByZeroException&) {
      raised = true;
    }
    fuzz::Check(raised, "1/0 did not raise zqDivideByZeroException");
  }
  fuzz::Check(x.Operator_Power(0) == one, "x^0 != 1");
  fuzz::Check(x.Operator_Power(1) == x, "x^1 != x");
  if (s.size() < 4000) fuzz::Check(x.Operator_Power(3) == x * x * x, "x^3 != x*x*x");

  // A power far too large to hold is refused quickly, a trivial one is not.
  const bool trivial = s == "0" || s == "1" || s == "-1";
  try {
    const BigFraction huge = x.Operator_Power(2000000000.0);
    fuzz::Check(trivial, "x^2000000000 was computed for " + text);
    fuzz::Check(huge == (s == "0" ? zero : one), "wrong trivial huge power of " + s);
  } catch (const zq::zqArithmeticException&) {
    fuzz::Check(!trivial, "x^2000000000 refused for " + s);
  }

  if (num.size() <= 10) {
    const long long v = std::stoll(num);
    try {
      fuzz::Check(zq::zqEquateINT32_BI(zq::zqNum(x)) == v, "zqEquateINT32_BI wrong for " + num);
      fuzz::Check(v >= INT32_MIN && v <= INT32_MAX, "zqEquateINT32_BI accepted " + num);
    } catch (const zq::zqArithmeticException&) {
      fuzz::Check(v < INT32_MIN || v > INT32_MAX, "zqEquateINT32_BI refused " + num);
    }
  }
  (void)zq::Str(zq::zqEquateBF_BFR(x));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const fuzz::ReferenceNumber expected = fuzz::ReadReference(text);
  Outcome got = Outcome::Value;
  std::string why;
  try {
    const BigFraction x(text);
    if (expected.outcome == Outcome::Value)
      fuzz::Check(x.Str() == expected.value, "read " + x.Str() + ", expected " + expected.value +
                                                 " from " + fuzz::Quoted(QString::fromStdString(text)));
    CheckArithmetic(x, text);
  } catch (const zq::RuntimeException& e) {
    got = Classify(e);
    why = e.what();
  }
  fuzz::Check(got == expected.outcome, std::string("got ") + Name(got) + " (" + why + "), expected " +
                                           Name(expected.outcome) + " for " +
                                           fuzz::Quoted(QString::fromUtf8(text.data(), text.size())));
  return 0;
}
