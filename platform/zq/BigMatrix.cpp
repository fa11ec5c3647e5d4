#include <utility>

#include "zq/ExactSolve.h"
#include "zq/FastRref.h"
#include "zq/Impl.h"
#include "zq/MatrixReader.h"

namespace zq {
namespace {

using detail::FmpqMat;

// Shared by every empty matrix, so that the default constructor and a move
// never allocate.
const std::shared_ptr<const BigMatrix::Impl> emptyMatrix = std::make_shared<const BigMatrix::Impl>(0, 0);

void CheckSquare(const BigMatrix::Impl& m, const char* what) {
  if (m.rows != m.cols)
    throw zqArithmeticException(std::string(what) + " needs a square matrix, not " + std::to_string(m.rows) +
                                " x " + std::to_string(m.cols));
}

void Transpose(fmpq_mat_struct* dst, const fmpq_mat_struct* src) {
  for (slong i = 0; i < fmpq_mat_nrows(src); ++i)
    for (slong j = 0; j < fmpq_mat_ncols(src); ++j)
      fmpq_set(fmpq_mat_entry(dst, j, i), fmpq_mat_entry(src, i, j));
}

void Solve(fmpq_mat_struct* X, const fmpq_mat_struct* A, const fmpq_mat_struct* B) {
  if (!detail::SolveExact(X, A, B)) throw zqDivideByZeroException("the matrix is singular");
}

}  // namespace

BigMatrix::Impl::Impl(std::shared_ptr<const Impl> invertedMatrix)
    : rows(invertedMatrix->rows), cols(invertedMatrix->cols), inverseOf(std::move(invertedMatrix)) {}

const fmpq_mat_struct* BigMatrix::Impl::Entries() const {
  if (!inverseOf) return entries->get();
  std::lock_guard guard(lock_);
  if (!entries) {
    auto inverse = std::make_unique<FmpqMat>(rows, cols);
    if (rows > 0) {
      FmpqMat identity(rows, cols);
      fmpq_mat_one(identity.get());
      Solve(inverse->get(), inverseOf->Entries(), identity.get());
    }
    entries = std::move(inverse);
  }
  return entries->get();
}

const fmpq* BigMatrix::Impl::Determinant() const {
  std::lock_guard guard(lock_);
  if (!det_) {
    detail::Fmpq d;
    if (inverseOf) {
      fmpq_inv(d.get(), inverseOf->Determinant());
    } else if (rows == 0) {
      fmpq_one(d.get());
    } else {
      detail::DeterminantExact(d.get(), entries->get());
    }
    det_.emplace(std::move(d));
  }
  return det_->get();
}

BigMatrix::BigMatrix() : p_(emptyMatrix) {}
BigMatrix::BigMatrix(std::string_view inputString) : p_(detail::ReadMatrixText(inputString)) {}
BigMatrix::BigMatrix(std::shared_ptr<const Impl> p) : p_(std::move(p)) {}
BigMatrix::BigMatrix(const BigMatrix&) = default;
BigMatrix::BigMatrix(BigMatrix&& o) noexcept : p_(std::exchange(o.p_, emptyMatrix)) {}
BigMatrix& BigMatrix::operator=(const BigMatrix&) = default;
BigMatrix& BigMatrix::operator=(BigMatrix&& o) noexcept {
  p_.swap(o.p_);
  return *this;
}
BigMatrix::~BigMatrix() = default;

std::int64_t BigMatrix::NumRows() const { return p_->rows; }
std::int64_t BigMatrix::NumColumns() const { return p_->cols; }

BigFraction BigMatrix::GetElement(std::int64_t i, std::int64_t j) const {
  if (i < 0 || i >= p_->rows || j < 0 || j >= p_->cols)
    throw zqArithmeticException("element (" + std::to_string(i) + ", " + std::to_string(j) +
                                ") lies outside the " + std::to_string(p_->rows) + " x " +
                                std::to_string(p_->cols) + " matrix");
  BigFraction r;
  fmpq_set(r.p_->v.get(), fmpq_mat_entry(p_->Entries(), i, j));
  return r;
}

BigFraction BigMatrix::Det() const {
  CheckSquare(*p_, "Det");
  BigFraction r;
  fmpq_set(r.p_->v.get(), p_->Determinant());
  return r;
}

BigMatrix BigMatrix::Invert() const {
  CheckSquare(*p_, "Invert");
  if (p_->inverseOf) return BigMatrix(p_->inverseOf);
  if (fmpq_is_zero(p_->Determinant())) throw zqDivideByZeroException("the matrix is singular");
  return BigMatrix(std::make_shared<const Impl>(p_));
}

BigMatrix BigMatrix::Operator_Multiply(const BigMatrix& x) const {
  const Impl& a = *p_;
  const Impl& b = *x.p_;
  if (a.cols != b.rows)
    throw zqArithmeticException("cannot multiply a " + std::to_string(a.rows) + " x " + std::to_string(a.cols) +
                                " matrix by a " + std::to_string(b.rows) + " x " + std::to_string(b.cols) + " one");
  auto r = std::make_shared<Impl>(a.rows, b.cols);
  if (a.rows == 0 || a.cols == 0 || b.cols == 0) return BigMatrix(std::move(r));  // all zero
  if (a.inverseOf) {
    // A^-1 B is one solve.
    Solve(r->entries->get(), a.inverseOf->Entries(), b.Entries());
  } else if (b.inverseOf) {
    // S C^-1 = (C^T^-1 S^T)^T, again one solve.
    const fmpq_mat_struct* c = b.inverseOf->Entries();
    FmpqMat ct(b.cols, b.rows), st(a.cols, a.rows), xt(b.cols, a.rows);
    Transpose(ct.get(), c);
    Transpose(st.get(), a.Entries());
    Solve(xt.get(), ct.get(), st.get());
    Transpose(r->entries->get(), xt.get());
  } else {
    fmpq_mat_mul(r->entries->get(), a.Entries(), b.Entries());
  }
  return BigMatrix(std::move(r));
}

BigMatrix BigMatrix::ColumnAugment(const BigMatrix& y) const {
  const Impl& a = *p_;
  const Impl& b = *y.p_;
  if (a.rows != b.rows)
    throw zqArithmeticException("cannot augment a matrix of " + std::to_string(a.rows) + " rows with one of " +
                                std::to_string(b.rows));
  auto r = std::make_shared<Impl>(a.rows, a.cols + b.cols);
  fmpq_mat_struct* e = r->entries->get();
  const fmpq_mat_struct* ea = a.Entries();
  const fmpq_mat_struct* eb = b.Entries();
  for (slong i = 0; i < a.rows; ++i) {
    for (slong j = 0; j < a.cols; ++j) fmpq_set(fmpq_mat_entry(e, i, j), fmpq_mat_entry(ea, i, j));
    for (slong j = 0; j < b.cols; ++j) fmpq_set(fmpq_mat_entry(e, i, a.cols + j), fmpq_mat_entry(eb, i, j));
  }
  return BigMatrix(std::move(r));
}

BigMatrix BigMatrix::ReduceRowEchelon() const {
  const Impl& a = *p_;
  auto r = std::make_shared<Impl>(a.rows, a.cols);
  if (a.rows > 0 && a.cols > 0) detail::ReducedRowEchelonExact(r->entries->get(), a.Entries());
  return BigMatrix(std::move(r));
}

}  // namespace zq
