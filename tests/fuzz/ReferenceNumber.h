#pragma once
// A second reading of the number grammar documented in zq/zq.h, evaluated
// with GMP, for checking the BigFraction text constructor:
//   blanks* decimal ("/" decimal)? blanks*      blanks: space, tab, CR, LF
//   decimal: sign? (digits ("." digits?)? | "." digits) ([eE] sign? digits)?
// Each exponent is limited in size; beyond it the text is refused.
#include <gmp.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

inline constexpr std::int64_t kMaxDecimalExponent = 100000;

struct ReferenceNumber {
  enum class Outcome { Value, BadEntry, ExponentLimit, DivideByZero } outcome = Outcome::BadEntry;
  std::string value;  // lowest terms, as BigFraction::Str writes it
};

namespace detail {

struct Mpz {
  mpz_t v;
  Mpz() { mpz_init(v); }
  ~Mpz() { mpz_clear(v); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
};
struct Mpq {
  mpq_t v;
  Mpq() { mpq_init(v); }
  ~Mpq() { mpq_clear(v); }
  Mpq(const Mpq&) = delete;
  Mpq& operator=(const Mpq&) = delete;
};

struct Decimal {
  bool negative = false;
  std::string digits;          // whole and fraction digits, point removed
  std::int64_t scale = 0;      // number of fraction digits
  std::int64_t exponent = 0;   // saturated a little beyond the limit
};

inline bool Digit(char c) { return c >= '0' && c <= '9'; }
inline bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

inline bool ReadDecimal(std::string_view s, std::size_t& p, Decimal& d) {
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) d.negative = s[p++] == '-';
  std::size_t wholeDigits = 0, fractionDigits = 0;
  while (p < s.size() && Digit(s[p])) d.digits += s[p++], ++wholeDigits;
  if (p < s.size() && s[p] == '.') {
    ++p;
    while (p < s.size() && Digit(s[p])) d.digits += s[p++], ++fractionDigits;
  }
  if (wholeDigits + fractionDigits == 0) return false;
  d.scale = static_cast<std::int64_t>(fractionDigits);
  if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
    ++p;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
    if (p >= s.size() || !Digit(s[p])) return false;
    std::int64_t e = 0;
    while (p < s.size() && Digit(s[p])) {
      if (e <= kMaxDecimalExponent) e = e * 10 + (s[p] - '0');
      ++p;
    }
    d.exponent = negative ? -e : e;
  }
  return true;
}

// value = digits * 10^(exponent - scale), sign applied.
inline void Evaluate(const Decimal& d, mpq_t out) {
  Mpz m, power;
  mpz_set_str(m.v, d.digits.c_str(), 10);
  if (d.negative) mpz_neg(m.v, m.v);
  const std::int64_t shift = d.exponent - d.scale;
  mpz_ui_pow_ui(power.v, 10, static_cast<unsigned long>(shift < 0 ? -shift : shift));
  mpq_set_z(out, m.v);
  Mpq p;
  mpq_set_z(p.v, power.v);
  if (shift >= 0)
    mpq_mul(out, out, p.v);
  else
    mpq_div(out, out, p.v);
}

}  // namespace detail

inline ReferenceNumber ReadReference(std::string_view s) {
  using detail::Blank;
  ReferenceNumber r;
  std::size_t p = 0;
  while (p < s.size() && Blank(s[p])) ++p;
  detail::Decimal top, bottom;
  bool hasBottom = false;
  if (!detail::ReadDecimal(s, p, top)) return r;
  if (p < s.size() && s[p] == '/') {
    ++p;
    hasBottom = true;
    if (!detail::ReadDecimal(s, p, bottom)) return r;
  }
  while (p < s.size() && Blank(s[p])) ++p;
  if (p != s.size()) return r;
  for (const auto* d : {&top, &bottom})
    if (d->exponent > kMaxDecimalExponent || -d->exponent > kMaxDecimalExponent) {
      r.outcome = ReferenceNumber::Outcome::ExponentLimit;
      return r;
    }
  detail::Mpq value, den;
  detail::Evaluate(top, value.v);
  if (hasBottom) {
    detail::Evaluate(bottom, den.v);
    if (mpq_sgn(den.v) == 0) {
      r.outcome = ReferenceNumber::Outcome::DivideByZero;
      return r;
    }
    mpq_div(value.v, value.v, den.v);
  }
  r.outcome = ReferenceNumber::Outcome::Value;
  char* text = mpq_get_str(nullptr, 10, value.v);
  r.value = text;
  void (*freeFunction)(void*, std::size_t) = nullptr;
  mp_get_memory_functions(nullptr, nullptr, &freeFunction);
  freeFunction(text, r.value.size() + 1);
  return r;
}

}  // namespace fuzz
