// The one exact solver behind Invert, Invert-times-B and friends.
#pragma once

#include "zq/FlintRaii.h"

namespace zq::detail {

// X = A^-1 B for a square nonsingular A (shapes checked by the caller); false
// when A is singular.
bool SolveExact(fmpq_mat_struct* X, const fmpq_mat_struct* A, const fmpq_mat_struct* B);

}  // namespace zq::detail
