#include <algorithm>
#include <atomic>
#include <cmath>

#include "zq/Impl.h"

namespace zq {
namespace {

std::atomic<std::int32_t> workingDigits{kInitialPrecision};
std::atomic<std::int32_t> outputDigits{kInitialOutputPrecision};

// Decimal digits to bits, with a few guard bits.
mpfr_prec_t BitsFor(std::int32_t digits) {
  return static_cast<mpfr_prec_t>(std::ceil(digits * 3.321928094887362)) + 8;
}

// Frees a string that mpfr_asprintf allocated.
struct MpfrStringFree {
  void operator()(char* s) const { mpfr_free_str(s); }
};

}  // namespace

BigFloat::BigFloat() : p_(std::make_unique<Impl>(BitsFor(workingDigits.load()))) {}
BigFloat::BigFloat(std::unique_ptr<Impl> p) : p_(std::move(p)) {}
BigFloat::BigFloat(const BigFloat& o) : p_(std::make_unique<Impl>(*o.p_)) {}
BigFloat::BigFloat(BigFloat&&) noexcept = default;
BigFloat& BigFloat::operator=(const BigFloat& o) {
  if (this != &o) p_ = std::make_unique<Impl>(*o.p_);
  return *this;
}
BigFloat& BigFloat::operator=(BigFloat&& o) noexcept {
  p_.swap(o.p_);
  return *this;
}
BigFloat::~BigFloat() = default;

void zqSetPrecision(std::int32_t prec) { workingDigits = std::clamp(prec, kMinPrecision, kMaxPrecision); }
void zqSetOutputPrecision(std::int32_t prec) {
  outputDigits = std::clamp(prec, kMinPrecision, kMaxOutputPrecision);
}
std::int32_t zqGetPrecision() { return workingDigits; }
std::int32_t zqGetOutputPrecision() { return outputDigits; }

BigFloat zqEquateBF_BFR(const BigFraction& x) {
  auto p = std::make_unique<BigFloat::Impl>(BitsFor(workingDigits.load()));
  detail::Mpq q;
  fmpq_get_mpq(q.get(), x.impl().v.get());
  mpfr_set_q(p->v.get(), q.get(), MPFR_RNDN);
  if (!mpfr_number_p(p->v.get())) throw zqArithmeticException("the fraction lies outside the floating-point range");
  return BigFloat(std::move(p));
}

std::string Str(const BigFloat& x) {
  char* raw = nullptr;
  if (mpfr_asprintf(&raw, "%.*RNg", static_cast<int>(outputDigits.load()), x.impl().v.get()) < 0 || !raw)
    throw zqArithmeticException("cannot write the floating-point number");
  std::unique_ptr<char, MpfrStringFree> owner(raw);
  return std::string(raw);
}

}  // namespace zq
