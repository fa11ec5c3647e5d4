#include "zq/ExactSolve.h"

#include "zq/FastRref.h"
#include "zq/Memory.h"
#include "zq/MemoryNeed.h"

namespace zq::detail {
namespace {

// Turns the p-adic solution Xmod (A X = B modulo mod) into the rational one.
// Every entry is n/d with |n| <= N and 0 < d <= D (Cramer's rule, bounds from
// fmpz_mat_solve_bound); mod > 2ND makes such an n/d unique. The entries share
// most of their denominator, so each residue is first multiplied by the lcm L
// of the denominators found so far: x L is again within the bounds (L divides
// the determinant), and usually an integer of at most N, its own
// reconstruction, which spares the half-gcd. False when the bounds do not hold.
bool ReconstructRationals(fmpq_mat_struct* X, const fmpz_mat_struct* Xmod, const fmpz* mod,
                          const fmpz* N, const fmpz* D) {
  Fmpz L, t, halfMod, twoND;
  fmpz_mul(twoND.get(), N, D);
  fmpz_mul_2exp(twoND.get(), twoND.get(), 1);
  if (fmpz_cmp(mod, twoND.get()) <= 0) return false;
  Fmpq q;
  fmpz_one(L.get());
  fmpz_fdiv_q_2exp(halfMod.get(), mod, 1);
  for (slong i = 0; i < fmpz_mat_nrows(Xmod); ++i) {
    for (slong j = 0; j < fmpz_mat_ncols(Xmod); ++j) {
      fmpz_mul(t.get(), L.get(), fmpz_mat_entry(Xmod, i, j));
      fmpz_mod(t.get(), t.get(), mod);
      fmpq* x = fmpq_mat_entry(X, i, j);
      const bool negative = fmpz_cmp(t.get(), halfMod.get()) > 0;
      if (negative) fmpz_sub(t.get(), t.get(), mod);
      if (fmpz_cmpabs(t.get(), N) <= 0) {
        fmpq_set_fmpz_frac(x, t.get(), L.get());
        continue;
      }
      if (negative) fmpz_add(t.get(), t.get(), mod);  // reconstruction wants the residue in [0, mod)
      if (!fmpq_reconstruct_fmpz_2(q.get(), t.get(), mod, N, D)) return false;
      // x = q / L; q's denominator joins L.
      fmpz_mul(fmpq_denref(q.get()), fmpq_denref(q.get()), L.get());
      fmpq_canonicalise(q.get());
      fmpq_set(x, q.get());
      fmpz_lcm(L.get(), L.get(), fmpq_denref(x));
    }
  }
  return true;
}

}  // namespace

void ClearRowDenominators(fmpz_mat_struct* Aint, fmpz_mat_struct* Bint, fmpz* rowScale, const fmpq_mat_struct* A,
                          const fmpq_mat_struct* B) {
  Fmpz l;
  if (rowScale) fmpz_one(rowScale);
  for (slong i = 0; i < fmpq_mat_nrows(A); ++i) {
    fmpz_one(l.get());
    for (slong j = 0; j < fmpq_mat_ncols(A); ++j) fmpz_lcm(l.get(), l.get(), fmpq_mat_entry_den(A, i, j));
    if (B)
      for (slong j = 0; j < fmpq_mat_ncols(B); ++j) fmpz_lcm(l.get(), l.get(), fmpq_mat_entry_den(B, i, j));
    const auto scale = [&](fmpz* out, const fmpq* in) {
      fmpz_divexact(out, l.get(), fmpq_denref(in));
      fmpz_mul(out, out, fmpq_numref(in));
    };
    for (slong j = 0; j < fmpq_mat_ncols(A); ++j) scale(fmpz_mat_entry(Aint, i, j), fmpq_mat_entry(A, i, j));
    if (B)
      for (slong j = 0; j < fmpq_mat_ncols(B); ++j) scale(fmpz_mat_entry(Bint, i, j), fmpq_mat_entry(B, i, j));
    if (rowScale) fmpz_mul(rowScale, rowScale, l.get());
  }
}

bool SolveIntegerSystem(fmpq_mat_struct* X, const fmpz_mat_struct* A, const fmpz_mat_struct* B) {
  Fmpz mod, N, D;
  fmpz_mat_solve_bound(N.get(), D.get(), A, B);
  RefuseUnlessAvailable(LiftingBytes(fmpz_mat_nrows(B), fmpz_mat_ncols(B), N.get(), D.get()));
  FmpzMat Xmod(fmpz_mat_nrows(B), fmpz_mat_ncols(B));
  if (!fmpz_mat_solve_dixon(Xmod.get(), mod.get(), A, B)) return false;
  return ReconstructRationals(X, Xmod.get(), mod.get(), N.get(), D.get());
}

bool SolveExact(fmpq_mat_struct* X, const fmpq_mat_struct* A, const fmpq_mat_struct* B) {
  const slong n = fmpq_mat_nrows(A), k = fmpq_mat_ncols(B);
  if (n < kLiftingMinRows || k == 0) return fmpq_mat_solve(X, A, B) != 0;
  FmpzMat Aint(n, n), Bint(n, k);
  ClearRowDenominators(Aint.get(), Bint.get(), nullptr, A, B);
  if (SolveIntegerSystem(X, Aint.get(), Bint.get())) return true;
  // Singular, or (not seen for a proven modulus) no reconstruction: FLINT's own solve decides.
  return fmpq_mat_solve(X, A, B) != 0;
}

void DeterminantExact(fmpq* det, const fmpq_mat_struct* A) {
  const slong n = fmpq_mat_nrows(A);
  if (n < kLiftingMinRows) {
    fmpq_mat_det(det, A);
    return;
  }
  FmpzMat Aint(n, n);
  Fmpz scale, d;
  ClearRowDenominators(Aint.get(), nullptr, scale.get(), A, nullptr);
  // A singular matrix costs the multimodular determinant its full bound; a kernel vector is far cheaper.
  if (ProvenSingular(Aint.get())) {
    fmpq_zero(det);
    return;
  }
  RefuseUnlessAvailable(DeterminantBytes(Aint.get()));
  fmpz_mat_det(d.get(), Aint.get());
  fmpq_set_fmpz_frac(det, d.get(), scale.get());
}

}  // namespace zq::detail
