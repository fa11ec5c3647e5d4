#include "zq/ExactSolve.h"

namespace zq::detail {

bool SolveExact(fmpq_mat_struct* X, const fmpq_mat_struct* A, const fmpq_mat_struct* B) {
  return fmpq_mat_solve(X, A, B) != 0;
}

}  // namespace zq::detail
