#include <climits>

#include "zq/Impl.h"

namespace zq {

BigInteger::BigInteger() : p_(std::make_unique<Impl>()) {}
BigInteger::BigInteger(std::int64_t v) : BigInteger() { fmpz_set_si(p_->v.get(), v); }
BigInteger::BigInteger(std::unique_ptr<Impl> p) : p_(std::move(p)) {}
BigInteger::BigInteger(const BigInteger& o) : p_(std::make_unique<Impl>(*o.p_)) {}
BigInteger::BigInteger(BigInteger&&) noexcept = default;
BigInteger& BigInteger::operator=(const BigInteger& o) {
  if (this != &o) p_ = std::make_unique<Impl>(*o.p_);
  return *this;
}
BigInteger& BigInteger::operator=(BigInteger&& o) noexcept {
  p_.swap(o.p_);
  return *this;
}
BigInteger::~BigInteger() = default;

int BigInteger::Operator_Compare(std::int32_t x) const {
  const int c = fmpz_cmp_si(p_->v.get(), x);
  return (c > 0) - (c < 0);
}

std::string BigInteger::Str() const { return detail::TakeFlintString(fmpz_get_str(nullptr, 10, p_->v.get())); }

std::int32_t zqEquateINT32_BI(const BigInteger& x) {
  const fmpz* v = x.impl().v.get();
  if (fmpz_cmp_si(v, INT32_MIN) < 0 || fmpz_cmp_si(v, INT32_MAX) > 0)
    throw zqArithmeticException("integer outside the 32-bit range");
  return static_cast<std::int32_t>(fmpz_get_si(v));
}

}  // namespace zq
