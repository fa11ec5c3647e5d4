// The exact linear algebra behind Det, Invert-times-B and ReduceRowEchelon.
#pragma once

#include "zq/FlintRaii.h"

namespace zq::detail {

// Below this many rows FLINT's own fraction-free routines win: p-adic lifting
// pays one step per word of the solution's size, ruinous for a small matrix
// with huge entries.
inline constexpr slong kLiftingMinRows = 25;

// X = A^-1 B for a square nonsingular A (shapes checked by the caller); false
// when A is singular.
bool SolveExact(fmpq_mat_struct* X, const fmpq_mat_struct* A, const fmpq_mat_struct* B);

// X = A^-1 B for integer matrices, by p-adic lifting; false when A is
// singular or the lifting gave no proven result.
bool SolveIntegerSystem(fmpq_mat_struct* X, const fmpz_mat_struct* A, const fmpz_mat_struct* B);

// det(A) of a square A.
void DeterminantExact(fmpq* det, const fmpq_mat_struct* A);

// Scales each row of A by the lcm of its denominators (and of the same row
// of B, when B is given) into integer matrices; row scaling changes no
// solution and leaves a known factor on the determinant. rowScale, when not
// null, receives the product of the row factors.
void ClearRowDenominators(fmpz_mat_struct* Aint, fmpz_mat_struct* Bint, fmpz* rowScale, const fmpq_mat_struct* A,
                          const fmpq_mat_struct* B);

}  // namespace zq::detail
