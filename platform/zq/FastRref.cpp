#include "zq/FastRref.h"

#include <flint/nmod_mat.h>
#include <flint/ulong_extras.h>

#include <vector>

#include "zq/ExactSolve.h"

namespace zq::detail {
namespace {

class NmodMat {
 public:
  NmodMat(slong rows, slong cols, mp_limb_t p) { nmod_mat_init(m_, rows, cols, p); }
  NmodMat(const NmodMat&) = delete;
  NmodMat& operator=(const NmodMat&) = delete;
  ~NmodMat() { nmod_mat_clear(m_); }
  nmod_mat_struct* get() { return m_; }
 private:
  nmod_mat_t m_;
};

// A fixed prime just above 2^61. A matrix for which it gives the wrong rank
// or pivots only takes the slow road: every guess is proven before use.
mp_limb_t GuessPrime() {
  static const mp_limb_t p = n_nextprime(UWORD(1) << 61, 1);
  return p;
}

// Rank of M modulo p and the column of each pivot of its echelon form.
std::vector<slong> PivotColumnsModP(nmod_mat_struct* M) {
  const slong rank = nmod_mat_rref(M);
  std::vector<slong> pivots;
  slong j = 0;
  for (slong i = 0; i < rank; ++i) {
    while (nmod_mat_entry(M, i, j) == 0) ++j;
    pivots.push_back(j);
  }
  return pivots;
}

// Rows of Aint independent modulo p (hence over Q) on the given columns: the
// pivots of the transpose of those columns.
std::vector<slong> IndependentRows(const fmpz_mat_struct* Aint, const std::vector<slong>& columns) {
  const slong m = fmpz_mat_nrows(Aint), r = static_cast<slong>(columns.size());
  const mp_limb_t p = GuessPrime();
  NmodMat columnsT(r, m, p);
  for (slong a = 0; a < r; ++a)
    for (slong i = 0; i < m; ++i)
      nmod_mat_entry(columnsT.get(), a, i) = fmpz_fdiv_ui(fmpz_mat_entry(Aint, i, columns[a]), p);
  return PivotColumnsModP(columnsT.get());
}

// The rational rref from a guess of its pivot columns; false when the guess
// does not hold. Aint is A with each row scaled to integers (same rref).
bool RrefFromGuess(fmpq_mat_struct* R, const fmpz_mat_struct* Aint, const std::vector<slong>& pivots) {
  const slong m = fmpz_mat_nrows(Aint), c = fmpz_mat_ncols(Aint), r = static_cast<slong>(pivots.size());
  std::vector<bool> isPivot(c, false);
  for (slong j : pivots) isPivot[j] = true;
  std::vector<slong> others;
  for (slong j = 0; j < c; ++j)
    if (!isPivot[j]) others.push_back(j);
  const slong k = c - r;

  const std::vector<slong> rows = IndependentRows(Aint, pivots);
  if (static_cast<slong>(rows.size()) != r) return false;
  std::vector<bool> isChosenRow(m, false);
  for (slong i : rows) isChosenRow[i] = true;

  // The rref's first r rows are P^-1 A[rows, :], P = A[rows, pivots]: identity on the
  // pivot columns, X = P^-1 A[rows, others] on the rest.
  FmpqMat X(r, k);
  if (r > 0 && k > 0) {
    FmpzMat P(r, r), Y(r, k);
    for (slong a = 0; a < r; ++a) {
      for (slong b = 0; b < r; ++b) fmpz_set(fmpz_mat_entry(P.get(), a, b), fmpz_mat_entry(Aint, rows[a], pivots[b]));
      for (slong b = 0; b < k; ++b) fmpz_set(fmpz_mat_entry(Y.get(), a, b), fmpz_mat_entry(Aint, rows[a], others[b]));
    }
    if (!SolveIntegerSystem(X.get(), P.get(), Y.get())) return false;
  }
  // Echelon shape: row a must be zero left of its pivot.
  for (slong a = 0; a < r; ++a)
    for (slong b = 0; b < k && others[b] < pivots[a]; ++b)
      if (!fmpq_is_zero(fmpq_mat_entry(X.get(), a, b))) return false;

  // Same row space: the candidate's rows lie in A's row space and are r independent
  // ones, so it is A's rref exactly when every other row of A is its pivot part
  // times the candidate, i.e. A[i, others] = A[i, pivots] X. With X = Xnum / den:
  // A[i, pivots] Xnum == den A[i, others].
  const slong rest = m - r;
  if (rest > 0 && k > 0) {
    if (r == 0) {
      if (!fmpz_mat_is_zero(Aint)) return false;
    } else {
      FmpzMat Xnum(r, k), left(rest, r), right(rest, k), product(rest, k);
      Fmpz den;
      fmpq_mat_get_fmpz_mat_matwise(Xnum.get(), den.get(), X.get());
      slong row = 0;
      for (slong i = 0; i < m; ++i) {
        if (isChosenRow[i]) continue;
        for (slong b = 0; b < r; ++b) fmpz_set(fmpz_mat_entry(left.get(), row, b), fmpz_mat_entry(Aint, i, pivots[b]));
        for (slong b = 0; b < k; ++b)
          fmpz_mul(fmpz_mat_entry(right.get(), row, b), fmpz_mat_entry(Aint, i, others[b]), den.get());
        ++row;
      }
      fmpz_mat_mul(product.get(), left.get(), Xnum.get());
      if (!fmpz_mat_equal(product.get(), right.get())) return false;
    }
  }

  fmpq_mat_zero(R);
  for (slong a = 0; a < r; ++a) {
    fmpq_one(fmpq_mat_entry(R, a, pivots[a]));
    for (slong b = 0; b < k; ++b) fmpq_set(fmpq_mat_entry(R, a, others[b]), fmpq_mat_entry(X.get(), a, b));
  }
  return true;
}

}  // namespace

bool ProvenSingular(const fmpz_mat_struct* Aint) {
  const slong n = fmpz_mat_nrows(Aint);
  if (n == 0) return false;
  NmodMat Amod(n, n, GuessPrime());
  fmpz_mat_get_nmod_mat(Amod.get(), Aint);
  const std::vector<slong> pivots = PivotColumnsModP(Amod.get());
  const slong r = static_cast<slong>(pivots.size());
  if (r == n) return false;  // nonsingular modulo p, so over Q too
  // The first non-pivot column f: solve P x = A[rows, f]; then v with v[f] = 1 and
  // v[pivots] = -x is in the kernel exactly when A v = 0, which we check.
  std::vector<bool> isPivot(n, false);
  for (slong j : pivots) isPivot[j] = true;
  slong f = 0;
  while (isPivot[f]) ++f;
  FmpzMat v(n, 1);
  if (r == 0) {
    fmpz_one(fmpz_mat_entry(v.get(), f, 0));
  } else {
    const std::vector<slong> rows = IndependentRows(Aint, pivots);
    if (static_cast<slong>(rows.size()) != r) return false;
    FmpzMat P(r, r), y(r, 1), xnum(r, 1);
    for (slong a = 0; a < r; ++a) {
      for (slong b = 0; b < r; ++b) fmpz_set(fmpz_mat_entry(P.get(), a, b), fmpz_mat_entry(Aint, rows[a], pivots[b]));
      fmpz_set(fmpz_mat_entry(y.get(), a, 0), fmpz_mat_entry(Aint, rows[a], f));
    }
    FmpqMat x(r, 1);
    if (!SolveIntegerSystem(x.get(), P.get(), y.get())) return false;
    Fmpz den;
    fmpq_mat_get_fmpz_mat_matwise(xnum.get(), den.get(), x.get());
    fmpz_set(fmpz_mat_entry(v.get(), f, 0), den.get());
    for (slong a = 0; a < r; ++a) fmpz_neg(fmpz_mat_entry(v.get(), pivots[a], 0), fmpz_mat_entry(xnum.get(), a, 0));
  }
  FmpzMat product(n, 1);
  fmpz_mat_mul(product.get(), Aint, v.get());
  return fmpz_mat_is_zero(product.get());
}

void ReducedRowEchelonExact(fmpq_mat_struct* R, const fmpq_mat_struct* A) {
  const slong m = fmpq_mat_nrows(A), c = fmpq_mat_ncols(A);
  if (m == 0 || c == 0) return;
  if (m < kLiftingMinRows) {
    fmpq_mat_rref(R, A);
    return;
  }
  FmpzMat Aint(m, c);
  ClearRowDenominators(Aint.get(), nullptr, nullptr, A, nullptr);
  NmodMat Amod(m, c, GuessPrime());
  fmpz_mat_get_nmod_mat(Amod.get(), Aint.get());
  if (RrefFromGuess(R, Aint.get(), PivotColumnsModP(Amod.get()))) return;
  fmpq_mat_rref(R, A);
}

}  // namespace zq::detail
