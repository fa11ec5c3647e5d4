// Owning wrappers around the GMP, MPFR and FLINT types the component uses, so
// that every init has its clear on every path, exceptions included. The
// integer clears may allocate (FLINT caches the freed integers), which must
// not throw in a destructor: hence the NoThrowAllocations there.
#pragma once

#include <flint/fmpq.h>
#include <flint/fmpq_mat.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>
#include <mpfr.h>

#include <memory>
#include <string>
#include <utility>

#include "zq/Memory.h"

namespace zq::detail {

class Fmpz {
 public:
  Fmpz() { fmpz_init(v_); }
  Fmpz(const Fmpz& o) { fmpz_init_set(v_, o.v_); }
  Fmpz& operator=(const Fmpz& o) { fmpz_set(v_, o.v_); return *this; }
  ~Fmpz() {
    NoThrowAllocations guard;
    fmpz_clear(v_);
  }
  fmpz* get() { return v_; }
  const fmpz* get() const { return v_; }
 private:
  fmpz_t v_;
};

class Fmpq {
 public:
  Fmpq() { fmpq_init(v_); }
  Fmpq(const Fmpq& o) { fmpq_init(v_); fmpq_set(v_, o.v_); }
  Fmpq(Fmpq&& o) noexcept { fmpq_init(v_); fmpq_swap(v_, o.v_); }
  Fmpq& operator=(const Fmpq& o) { fmpq_set(v_, o.v_); return *this; }
  ~Fmpq() {
    NoThrowAllocations guard;
    fmpq_clear(v_);
  }
  fmpq* get() { return v_; }
  const fmpq* get() const { return v_; }
 private:
  fmpq_t v_;
};

class FmpqMat {
 public:
  FmpqMat(slong rows, slong cols) { fmpq_mat_init(m_, rows, cols); }
  FmpqMat(const FmpqMat&) = delete;
  FmpqMat& operator=(const FmpqMat&) = delete;
  ~FmpqMat() {
    NoThrowAllocations guard;
    fmpq_mat_clear(m_);
  }
  fmpq_mat_struct* get() { return m_; }
  const fmpq_mat_struct* get() const { return m_; }
  slong rows() const { return fmpq_mat_nrows(m_); }
  slong cols() const { return fmpq_mat_ncols(m_); }
 private:
  fmpq_mat_t m_;
};

class FmpzMat {
 public:
  FmpzMat(slong rows, slong cols) { fmpz_mat_init(m_, rows, cols); }
  FmpzMat(const FmpzMat&) = delete;
  FmpzMat& operator=(const FmpzMat&) = delete;
  ~FmpzMat() {
    NoThrowAllocations guard;
    fmpz_mat_clear(m_);
  }
  fmpz_mat_struct* get() { return m_; }
  const fmpz_mat_struct* get() const { return m_; }
 private:
  fmpz_mat_t m_;
};

class Mpfr {
 public:
  explicit Mpfr(mpfr_prec_t bits) { mpfr_init2(v_, bits); mpfr_set_zero(v_, 1); }
  Mpfr(const Mpfr& o) { mpfr_init2(v_, mpfr_get_prec(o.v_)); mpfr_set(v_, o.v_, MPFR_RNDN); }
  Mpfr& operator=(const Mpfr& o) {
    mpfr_set_prec(v_, mpfr_get_prec(o.v_));
    mpfr_set(v_, o.v_, MPFR_RNDN);
    return *this;
  }
  ~Mpfr() { mpfr_clear(v_); }
  mpfr_ptr get() { return v_; }
  mpfr_srcptr get() const { return v_; }
 private:
  mpfr_t v_;
};

class Mpq {
 public:
  Mpq() { mpq_init(v_); }
  Mpq(const Mpq&) = delete;
  Mpq& operator=(const Mpq&) = delete;
  ~Mpq() { mpq_clear(v_); }
  mpq_ptr get() { return v_; }
 private:
  mpq_t v_;
};

// Takes a string that FLINT allocated and frees it with flint_free.
inline std::string TakeFlintString(char* s) {
  std::unique_ptr<char, void (*)(void*)> owner(s, flint_free);
  return std::string(owner.get());
}

}  // namespace zq::detail
