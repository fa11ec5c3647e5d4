#include "zq/MemoryNeed.h"

#include <cmath>

namespace zq::detail {
namespace {

// log2 of the Hadamard bound of A: the sum over the rows of log2 of their
// Euclidean norms, each from the entries' leading bits.
double Log2Hadamard(const fmpz_mat_struct* A) {
  double total = 0;
  for (slong i = 0; i < fmpz_mat_nrows(A); ++i) {
    // Sum of squares as m * 2^e with m kept near 1.
    double m = 0;
    slong e = 0;
    for (slong j = 0; j < fmpz_mat_ncols(A); ++j) {
      const fmpz* a = fmpz_mat_entry(A, i, j);
      if (fmpz_is_zero(a)) continue;
      slong ea = 0;
      const double ma = fmpz_get_d_2exp(&ea, a);  // |ma| in [1/2, 1)
      const slong es = 2 * ea;
      const double sq = ma * ma;
      if (m == 0) {
        m = sq;
        e = es;
      } else if (es > e) {
        m = std::ldexp(m, static_cast<int>(std::max<slong>(e - es, -1100))) + sq;
        e = es;
      } else {
        m += std::ldexp(sq, static_cast<int>(std::max<slong>(es - e, -1100)));
      }
    }
    if (m > 0) total += 0.5 * (std::log2(m) + static_cast<double>(e));
  }
  return total;
}

}  // namespace

double LiftingBytes(slong n, slong k, const fmpz* N, const fmpz* D) {
  const double modulusBits = static_cast<double>(fmpz_bits(N)) + static_cast<double>(fmpz_bits(D)) + 1;
  // The residues alone: the solution reconstructed from them is as large for
  // a generic system, but can be small (an integer solution).
  return static_cast<double>(n) * static_cast<double>(k) * modulusBits / 8;
}

double DeterminantBytes(const fmpz_mat_struct* A) {
  const double modulusBits = 2 * std::max(0.0, Log2Hadamard(A)) + 1;
  return static_cast<double>(fmpz_mat_nrows(A)) * modulusBits / 8;
}

}  // namespace zq::detail
