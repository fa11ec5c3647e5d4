#include "zq/NumberText.h"

#include "zq/zq.h"

namespace zq::detail {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One signed decimal: sign? (digits ('.' digits?)? | '.' digits) ([eE] sign? digits)?
struct Decimal {
  bool negative = false;
  std::string_view whole, fraction;  // digits before and after the point
  std::int64_t exponent = 0;         // saturates just above kMaxExponent
};

[[noreturn]] void Bad(std::string_view text) {
  throw zqBadEntryNumberException("not a number: \"" + std::string(text.substr(0, 40)) +
                                  (text.size() > 40 ? "...\"" : "\""));
}

// Reads one Decimal at text[pos...]; returns false when none stands there.
bool ReadDecimal(std::string_view text, std::size_t& pos, Decimal& d) {
  std::size_t p = pos;
  const std::size_t n = text.size();
  if (p < n && (text[p] == '+' || text[p] == '-')) d.negative = text[p++] == '-';
  std::size_t start = p;
  while (p < n && IsDigit(text[p])) ++p;
  d.whole = text.substr(start, p - start);
  if (p < n && text[p] == '.') {
    start = ++p;
    while (p < n && IsDigit(text[p])) ++p;
    d.fraction = text.substr(start, p - start);
  }
  if (d.whole.empty() && d.fraction.empty()) return false;
  if (p < n && (text[p] == 'e' || text[p] == 'E')) {
    ++p;
    bool negativeExponent = false;
    if (p < n && (text[p] == '+' || text[p] == '-')) negativeExponent = text[p++] == '-';
    if (p >= n || !IsDigit(text[p])) return false;
    std::int64_t e = 0;
    for (; p < n && IsDigit(text[p]); ++p) {
      if (e <= kMaxExponent) e = e * 10 + (text[p] - '0');
    }
    d.exponent = negativeExponent ? -e : e;
  }
  pos = p;
  return true;
}

std::size_t SignificantStart(std::string_view digits) {
  std::size_t i = 0;
  while (i < digits.size() && digits[i] == '0') ++i;
  return i;
}

}  // namespace

void NumberReader::Read(std::string_view text, fmpq* out) {
  std::size_t pos = 0;
  const std::size_t n = text.size();
  while (pos < n && IsSpace(text[pos])) ++pos;
  Decimal top, bottom;
  bool hasBottom = false;
  if (!ReadDecimal(text, pos, top)) Bad(text);
  if (pos < n && text[pos] == '/') {
    ++pos;
    hasBottom = true;
    if (!ReadDecimal(text, pos, bottom)) Bad(text);
  }
  while (pos < n && IsSpace(text[pos])) ++pos;
  if (pos != n) Bad(text);

  for (const Decimal* d : {&top, &bottom}) {
    const std::int64_t e = d->exponent < 0 ? -d->exponent : d->exponent;
    if (e > kMaxExponent)
      throw zqArithmeticException("exponent beyond " + std::to_string(kMaxExponent) + " in a number");
    if (e > budget_)
      throw zqArithmeticException("exponents add up to more than " + std::to_string(kMaxExponentBudget) +
                                  " digits in one text");
    budget_ -= e;
  }

  // value = (M1 * 10^(e1 - f1)) / (M2 * 10^(e2 - f2)), M the digits without the point.
  auto mantissa = [this](const Decimal& d, fmpz* m) {
    const std::size_t w = SignificantStart(d.whole);
    const std::size_t count = d.whole.size() - w + d.fraction.size();
    if (count <= 19) {
      std::uint64_t v = 0;
      for (char c : d.whole.substr(w)) v = v * 10 + static_cast<unsigned>(c - '0');
      for (char c : d.fraction) v = v * 10 + static_cast<unsigned>(c - '0');
      fmpz_set_ui(m, v);
    } else {
      digits_.assign(d.whole.substr(w));
      digits_.append(d.fraction);
      fmpz_set_str(m, digits_.c_str(), 10);
    }
    if (d.negative) fmpz_neg(m, m);
  };
  mantissa(top, num_.get());
  std::int64_t shift = top.exponent - static_cast<std::int64_t>(top.fraction.size());
  if (hasBottom) {
    mantissa(bottom, den_.get());
    if (fmpz_is_zero(den_.get())) throw zqDivideByZeroException("zero denominator");
    shift -= bottom.exponent - static_cast<std::int64_t>(bottom.fraction.size());
  } else {
    fmpz_one(den_.get());
  }
  if (shift != 0 && !fmpz_is_zero(num_.get())) {
    fmpz_set_ui(power_.get(), 10);
    fmpz_pow_ui(power_.get(), power_.get(), static_cast<ulong>(shift < 0 ? -shift : shift));
    fmpz_mul(shift > 0 ? num_.get() : den_.get(), shift > 0 ? num_.get() : den_.get(), power_.get());
  }
  fmpz_swap(fmpq_numref(out), num_.get());
  fmpz_swap(fmpq_denref(out), den_.get());
  if (!fmpz_is_one(fmpq_denref(out))) fmpq_canonicalise(out);
}

}  // namespace zq::detail
