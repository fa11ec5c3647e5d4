#include <cmath>

#include "zq/Impl.h"
#include "zq/Memory.h"
#include "zq/NumberText.h"

namespace zq {
namespace {

// The largest power result: x * log2 max(|num|, den) (2 MiB of digits).
constexpr double kMaxPowerBits = 1 << 24;

// log2 |z| for z != 0.
double Log2Abs(const fmpz* z) {
  slong exponent = 0;
  const double mantissa = std::fabs(fmpz_get_d_2exp(&exponent, z));
  return static_cast<double>(exponent) + std::log2(mantissa);
}

}  // namespace

BigFraction::BigFraction() : p_(std::make_unique<Impl>()) {}
BigFraction::BigFraction(std::int64_t v) : BigFraction() { fmpq_set_si(p_->v.get(), v, 1); }
BigFraction::BigFraction(std::string_view inputString) : BigFraction() {
  detail::NumberReader().Read(inputString, p_->v.get());
}
BigFraction::BigFraction(std::unique_ptr<Impl> p) : p_(std::move(p)) {}
BigFraction::BigFraction(const BigFraction& o) : p_(std::make_unique<Impl>(*o.p_)) {}
BigFraction::BigFraction(BigFraction&&) noexcept = default;
BigFraction& BigFraction::operator=(const BigFraction& o) {
  if (this != &o) p_ = std::make_unique<Impl>(*o.p_);
  return *this;
}
BigFraction& BigFraction::operator=(BigFraction&& o) noexcept {
  p_.swap(o.p_);
  return *this;
}
BigFraction::~BigFraction() = default;

BigFraction BigFraction::Operator_Add(const BigFraction& x) const {
  BigFraction r;
  fmpq_add(r.p_->v.get(), p_->v.get(), x.p_->v.get());
  return r;
}

BigFraction BigFraction::Operator_Subtract(const BigFraction& x) const {
  BigFraction r;
  fmpq_sub(r.p_->v.get(), p_->v.get(), x.p_->v.get());
  return r;
}

BigFraction BigFraction::Operator_Multiply(const BigFraction& x) const {
  BigFraction r;
  fmpq_mul(r.p_->v.get(), p_->v.get(), x.p_->v.get());
  return r;
}

BigFraction BigFraction::Operator_Divide(const BigFraction& x) const {
  if (fmpq_is_zero(x.p_->v.get())) throw zqDivideByZeroException("division by zero");
  BigFraction r;
  fmpq_div(r.p_->v.get(), p_->v.get(), x.p_->v.get());
  return r;
}

BigFraction BigFraction::Operator_Power(double x) const {
  if (!(x >= 0) || std::isinf(x) || x != std::floor(x))
    throw zqArithmeticException("the exponent must be a whole number not below 0");
  const fmpq* v = p_->v.get();
  BigFraction r;
  // 0, 1 and -1 stay small for every exponent; 0^0 is 1.
  if (fmpz_is_zero(fmpq_numref(v))) {
    fmpq_set_si(r.p_->v.get(), x == 0 ? 1 : 0, 1);
    return r;
  }
  if (fmpz_is_pm1(fmpq_numref(v)) && fmpz_is_one(fmpq_denref(v))) {
    const bool odd = std::fmod(x, 2.0) != 0;
    fmpq_set_si(r.p_->v.get(), fmpz_is_one(fmpq_numref(v)) || !odd ? 1 : -1, 1);
    return r;
  }
  // Otherwise the result has x * log2(max(|num|, den)) bits; bound that before computing.
  const double bits = std::max(Log2Abs(fmpq_numref(v)), Log2Abs(fmpq_denref(v)));
  if (x * bits > kMaxPowerBits)
    throw zqArithmeticException("the power would exceed " + std::to_string(static_cast<long>(kMaxPowerBits)) +
                                " bits");
  // The numerator and the denominator of the result, each as long as its base to the x.
  detail::RefuseUnlessAvailable(x * (Log2Abs(fmpq_numref(v)) + Log2Abs(fmpq_denref(v))) / 8);
  fmpq_pow_si(r.p_->v.get(), v, static_cast<slong>(x));
  return r;
}

int BigFraction::Operator_Compare(std::int32_t x) const {
  const int c = fmpq_cmp_si(p_->v.get(), x);
  return (c > 0) - (c < 0);
}

std::string BigFraction::Str() const { return detail::TakeFlintString(fmpq_get_str(nullptr, 10, p_->v.get())); }

bool operator==(const BigFraction& a, const BigFraction& b) { return fmpq_equal(a.p_->v.get(), b.p_->v.get()); }

std::string Str(const BigFraction& x) { return x.Str(); }

BigInteger zqNum(const BigFraction& x) {
  auto p = std::make_unique<BigInteger::Impl>();
  fmpz_set(p->v.get(), fmpq_numref(x.p_->v.get()));
  return BigInteger(std::move(p));
}

BigInteger zqDen(const BigFraction& x) {
  auto p = std::make_unique<BigInteger::Impl>();
  fmpz_set(p->v.get(), fmpq_denref(x.p_->v.get()));
  return BigInteger(std::move(p));
}

}  // namespace zq
