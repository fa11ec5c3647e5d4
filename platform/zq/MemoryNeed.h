// Lower estimates of what the exact algorithms will hold, for refusing a
// computation before it starts rather than after minutes of work.
#pragma once

#include "zq/FlintRaii.h"

namespace zq::detail {

// The p-adic lifting of an n x k system runs until its modulus passes 2 N D,
// N and D the Cramer bounds of the solution's numerators and denominators,
// and ends holding the n x k residues modulo it, then the solution.
double LiftingBytes(slong n, slong k, const fmpz* N, const fmpz* D);

// The determinant of an integer matrix: its divisor comes from one lifted
// column, whose modulus passes twice the square of the Hadamard bound.
double DeterminantBytes(const fmpz_mat_struct* A);

}  // namespace zq::detail
