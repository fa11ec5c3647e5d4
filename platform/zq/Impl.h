// The hidden state behind the public value classes.
#pragma once

#include <memory>
#include <mutex>
#include <optional>

#include "zq/FlintRaii.h"
#include "zq/zq.h"

namespace zq {

struct BigInteger::Impl {
  detail::Fmpz v;
};

struct BigFraction::Impl {
  detail::Fmpq v;  // always canonical (lowest terms, positive denominator)
};

struct BigFloat::Impl {
  explicit Impl(mpfr_prec_t bits) : v(bits) {}
  detail::Mpfr v;
};

// A matrix is either explicit (its entries are stored) or the inverse of an
// explicit square matrix, kept unevaluated: the product of such an inverse
// with a matrix is then one exact solve instead of an inversion and a product.
// Both kinds are immutable once shared; the caches below are filled at most
// once, under the lock.
struct BigMatrix::Impl {
  Impl(slong rows, slong cols) : rows(rows), cols(cols), entries(std::make_unique<detail::FmpqMat>(rows, cols)) {}
  explicit Impl(std::shared_ptr<const Impl> invertedMatrix);

  bool IsLazyInverse() const { return inverseOf != nullptr; }
  // The stored entries; for a lazy inverse the inverse, computed on first use.
  const fmpq_mat_struct* Entries() const;
  // The determinant, computed on first use.
  const fmpq* Determinant() const;

  const slong rows;
  const slong cols;
  const std::shared_ptr<const Impl> inverseOf;  // set for a lazy inverse only

  // Filled by the maker of an explicit matrix before it is shared; for a lazy
  // inverse null until first read.
  mutable std::unique_ptr<detail::FmpqMat> entries;

 private:
  mutable std::mutex lock_;
  mutable std::optional<detail::Fmpq> det_;
  friend class BigMatrix;
};

}  // namespace zq
