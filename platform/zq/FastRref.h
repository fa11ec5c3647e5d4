// Reduced row echelon form over the rationals through a modular guess that is
// then proven exactly.
#pragma once

#include "zq/FlintRaii.h"

namespace zq::detail {

// R = the reduced row echelon form of A (same shape, R initialised). Equal to
// fmpq_mat_rref's result in every case.
void ReducedRowEchelonExact(fmpq_mat_struct* R, const fmpq_mat_struct* A);

// True when the square integer matrix is proven singular by an exact kernel
// vector; false means "not proven" (nonsingular, or the modular guess failed).
bool ProvenSingular(const fmpz_mat_struct* Aint);

}  // namespace zq::detail
