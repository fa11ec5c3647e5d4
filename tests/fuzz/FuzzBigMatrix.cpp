// The BigMatrix text constructor on arbitrary bytes, and on what it reads:
// the entries read back from their texts, Det against a fraction elimination,
// ReduceRowEchelon reduced with the right rank and row space, Invert times A
// is the identity, and shape errors raise instead of reading outside.
#include <string>

#include "FuzzSupport.h"
#include "MatrixOracle.h"
#include "zq/zq.h"

namespace {

using zq::BigFraction;
using zq::BigMatrix;

template <class F>
bool Raises(F&& f) {
  try {
    f();
  } catch (const zq::RuntimeException&) {
    return true;
  }
  return false;
}

void CheckMatrix(const BigMatrix& a) {
  const std::int64_t nr = a.NumRows(), nc = a.NumColumns();
  fuzz::Check(nr > 0 && nc > 0, "a matrix with no rows or no columns was made");
  fuzz::Check(Raises([&] { (void)a.GetElement(nr, 0); }) && Raises([&] { (void)a.GetElement(0, nc); }) &&
                  Raises([&] { (void)a.GetElement(-1, 0); }) && Raises([&] { (void)a.GetElement(0, -1); }),
              "GetElement outside the matrix did not raise");
  if (nr * nc > 4096) return;

  const oracle::Rows rows = oracle::ToRows(a);
  const BigMatrix again = oracle::ToMatrix(rows);
  fuzz::Check(again.NumRows() == nr && again.NumColumns() == nc && oracle::ToRows(again) == rows,
              "the entries' texts do not read back as the same matrix");

  const BigMatrix augmented = a.ColumnAugment(a);
  fuzz::Check(augmented.NumRows() == nr && augmented.NumColumns() == 2 * nc, "ColumnAugment shape");
  if (nr != nc) {
    fuzz::Check(Raises([&] { (void)a.Det(); }), "Det of a non-square matrix did not raise");
    fuzz::Check(Raises([&] { (void)a.Invert(); }), "Invert of a non-square matrix did not raise");
    fuzz::Check(Raises([&] { (void)a.Operator_Multiply(a); }), "mismatched product did not raise");
  }
  if (nr > 8 || nc > 8) return;
  std::size_t digits = 0;  // keeps the by-hand elimination within the time bound
  for (const oracle::Row& row : rows)
    for (const BigFraction& x : row) digits += x.Str().size();
  if (digits > 20000) return;

  const oracle::Elimination byHand = oracle::Eliminate(rows);
  if (nr == nc) {
    const BigFraction det = a.Det();
    fuzz::Check(det == byHand.det, "Det " + det.Str() + " but elimination gives " + byHand.det.Str());
    if (byHand.rank == static_cast<std::size_t>(nr)) {
      const BigMatrix inverse = a.Invert();
      const oracle::Rows product = oracle::ToRows(a.Operator_Multiply(oracle::ToMatrix(oracle::ToRows(inverse))));
      for (std::int64_t i = 0; i < nr; ++i)
        for (std::int64_t j = 0; j < nc; ++j)
          fuzz::Check(product[i][j] == BigFraction(i == j ? 1 : 0), "A * Invert(A) is not the identity");
      fuzz::Check(oracle::ToRows(inverse.Operator_Multiply(a)) == product, "Invert(A) * A is not the identity");
    } else {
      fuzz::Check(Raises([&] { (void)a.Invert(); }), "Invert of a singular matrix did not raise");
    }
  }
  const oracle::Rows rref = oracle::ToRows(a.ReduceRowEchelon());
  fuzz::Check(rref.size() == rows.size() && rref[0].size() == rows[0].size(), "RREF shape");
  const std::string reduced = oracle::CheckReduced(rref);
  fuzz::Check(reduced.empty(), "RREF not reduced: " + reduced);
  fuzz::Check(oracle::NonzeroRows(rref) == byHand.rank, "RREF rank differs from elimination");
  const std::string spanned = oracle::CheckSpannedBy(rows, rref);
  fuzz::Check(spanned.empty(), "RREF row space: " + spanned);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  BigMatrix a;
  try {
    a = BigMatrix(text);
  } catch (const zq::RuntimeException&) {
    return 0;  // the documented refusal; which class is the component's table
  }
  try {
    CheckMatrix(a);
  } catch (const zq::RuntimeException& e) {
    fuzz::Fail(std::string("an operation on a readable matrix raised: ") + e.what());
  }
  return 0;
}
