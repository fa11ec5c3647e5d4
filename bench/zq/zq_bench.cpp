// Prints how long the arithmetic component takes on random integer systems
// (entries in [-99, 99], fixed seed): reading the one-line texts, Det,
// Invert times B and, with the layouts built, outMod2 and outModzq of the
// solution; and one FLINT det and one FLINT solve for comparison.
#include <flint/fmpq_mat.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "../Timer.h"
#include "zq/zq.h"
#include "solver/MatrixText.h"

namespace {

using bench::Seconds;

std::string RandomText(std::mt19937_64& rng, int rows, int cols) {
  std::uniform_int_distribution<int> entry(-99, 99);
  std::string text;
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) text += std::to_string(entry(rng)) + (j + 1 < cols ? "," : ";");
  return text;
}

// The same matrix straight into FLINT, for the reference timings.
struct FlintMatrix {
  explicit FlintMatrix(const zq::BigMatrix& m) {
    fmpq_mat_init(v, m.NumRows(), m.NumColumns());
    for (slong i = 0; i < m.NumRows(); ++i)
      for (slong j = 0; j < m.NumColumns(); ++j)
        fmpq_set_str(fmpq_mat_entry(v, i, j), m.GetElement(i, j).Str().c_str(), 10);
  }
  ~FlintMatrix() { fmpq_mat_clear(v); }
  fmpq_mat_t v;
};

}  // namespace

int main() {
  std::mt19937_64 rng(20261210);
  {  // warm up the libraries' caches so that n = 50 is not charged for them
    const zq::BigMatrix warm(RandomText(rng, 20, 20));
    (void)warm.Det();
  }
  std::printf("%5s %9s %9s %9s %11s %9s %9s %9s %9s %7s\n", "n", "parse", "Det", "Inv*B", "fresh Inv*B",
              "outMod2", "outModzq", "flintDet", "flintSol", "ratio");
  for (int n : {50, 100, 200, 400}) {
    const std::string aText = RandomText(rng, n, n), bText = RandomText(rng, n, 1);
    zq::BigMatrix a, b, x, fresh;
    const double parse = Seconds([&] {
      a = zq::BigMatrix(aText);
      b = zq::BigMatrix(bText);
    });
    zq::BigFraction det;
    const double tDet = Seconds([&] { det = a.Det(); });
    const double invB = Seconds([&] { x = a.Invert().Operator_Multiply(b); });
    // Invert on a matrix whose Det was never asked for (so it pays for the Det).
    const zq::BigMatrix a2(aText);
    const double freshInvB = Seconds([&] { fresh = a2.Invert().Operator_Multiply(b); });
    const double out2 = Seconds([&] { (void)MatrixText::outMod2(x); });
    const double outzq = Seconds([&] { (void)MatrixText::outModzq(x); });
    FlintMatrix fa(a), fb(b);
    fmpq_mat_t fx;
    fmpq_mat_init(fx, n, 1);
    fmpq_t fdet;
    fmpq_init(fdet);
    const double flintDet = Seconds([&] { fmpq_mat_det(fdet, fa.v); });
    const double flintSolve = Seconds([&] { fmpq_mat_solve(fx, fa.v, fb.v); });
    bool same = fmpq_equal(fdet, FlintMatrix(zq::BigMatrix(det.Str())).v->rows[0]) != 0;
    for (slong i = 0; i < n && same; ++i)
      same = x.GetElement(i, 0).Str() == fresh.GetElement(i, 0).Str() &&
             fmpq_equal(fmpq_mat_entry(fx, i, 0), FlintMatrix(zq::BigMatrix(x.GetElement(i, 0).Str())).v->rows[0]);
    fmpq_clear(fdet);
    fmpq_mat_clear(fx);
    std::printf("%5d %9.4f %9.4f %9.4f %11.4f %9.4f %9.4f %9.4f %9.4f %7.2f%s\n", n, parse, tDet, invB, freshInvB, out2,
                outzq, flintDet, flintSolve, (tDet + invB) / (flintDet + flintSolve), same ? "" : "  MISMATCH");
  }
  std::printf("(seconds; ratio = (Det + Inv*B) / (flintDet + flintSol))\n");

  // Reading a large one-line text.
  const std::string big = RandomText(rng, 1000, 1000);
  zq::BigMatrix m;
  const double readBig = Seconds([&] { m = zq::BigMatrix(big); });
  std::printf("reading a 1000 x 1000 text of %zu bytes: %.4f s\n", big.size(), readBig);

  // Reading an unevaluated inverse entry by entry (one exact inverse).
  for (int n : {50, 100, 200}) {
    const zq::BigMatrix a(RandomText(rng, n, n));
    const zq::BigMatrix inverse = a.Invert();
    const double read = Seconds([&] { (void)inverse.GetElement(n - 1, n - 1); });
    std::printf("first GetElement of a %d x %d inverse: %.4f s\n", n, n, read);
  }
  return 0;
}
