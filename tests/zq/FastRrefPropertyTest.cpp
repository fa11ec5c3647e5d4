// ReduceRowEchelon against FLINT's own rref on random matrices of every rank
// and shape (fixed seed): the fast road must give exactly the same matrix.
#include <flint/fmpq_mat.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "zq/zq.h"

namespace {

using zq::BigMatrix;

struct Shape {
  int rows, cols;
};

// A rows x cols matrix of the given rank: a random rows x rank times a random
// rank x cols, entries integers or fractions.
std::string RandomOfRank(std::mt19937& rng, Shape s, int rank, bool fractions) {
  std::uniform_int_distribution<int> num(-9, 9), den(1, 7);
  std::vector<std::vector<long>> left(s.rows, std::vector<long>(rank)), right(rank, std::vector<long>(s.cols));
  for (auto& row : left)
    for (long& v : row) v = num(rng);
  for (auto& row : right)
    for (long& v : row) v = num(rng);
  std::string text;
  for (int i = 0; i < s.rows; ++i) {
    // One denominator per row keeps the rank; a scaled row has the same row space.
    const int d = fractions ? den(rng) : 1;
    for (int j = 0; j < s.cols; ++j) {
      long v = 0;
      for (int t = 0; t < rank; ++t) v += left[i][t] * right[t][j];
      text += std::to_string(v);
      if (d != 1) text += "/" + std::to_string(d);
      text += j + 1 < s.cols ? "," : ";";
    }
  }
  return text;
}

// Entries with independent denominators: usually full rank.
std::string RandomFractions(std::mt19937& rng, Shape s) {
  std::uniform_int_distribution<int> num(-99, 99), den(1, 99);
  std::string text;
  for (int i = 0; i < s.rows; ++i)
    for (int j = 0; j < s.cols; ++j)
      text += std::to_string(num(rng)) + "/" + std::to_string(den(rng)) + (j + 1 < s.cols ? "," : ";");
  return text;
}

// FLINT's rref of m next to ours (and, for a square m, FLINT's determinant next to ours).
void ExpectSameAsFlint(const BigMatrix& m, const std::string& what) {
  const slong rows = m.NumRows(), cols = m.NumColumns();
  fmpq_mat_t a, r;
  fmpq_mat_init(a, rows, cols);
  fmpq_mat_init(r, rows, cols);
  for (slong i = 0; i < rows; ++i)
    for (slong j = 0; j < cols; ++j) fmpq_set_str(fmpq_mat_entry(a, i, j), m.GetElement(i, j).Str().c_str(), 10);
  fmpq_mat_rref(r, a);
  if (rows == cols) {  // the determinant takes a modular shortcut for singular matrices
    fmpq_t d;
    fmpq_init(d);
    fmpq_mat_det(d, a);
    char* s = fmpq_get_str(nullptr, 10, d);
    EXPECT_EQ(m.Det().Str(), s) << what;
    flint_free(s);
    fmpq_clear(d);
  }
  const BigMatrix ours = m.ReduceRowEchelon();
  ASSERT_EQ(ours.NumRows(), rows) << what;
  ASSERT_EQ(ours.NumColumns(), cols) << what;
  bool same = true;
  for (slong i = 0; i < rows && same; ++i)
    for (slong j = 0; j < cols && same; ++j) {
      char* s = fmpq_get_str(nullptr, 10, fmpq_mat_entry(r, i, j));
      same = ours.GetElement(i, j).Str() == s;
      flint_free(s);
    }
  fmpq_mat_clear(a);
  fmpq_mat_clear(r);
  EXPECT_TRUE(same) << what;
}

TEST(FastRrefProperty, EqualsFlintForEveryRankAndShape) {
  std::mt19937 rng(20261210);
  // Small shapes take FLINT's own road, the others (25 rows and more) the modular one.
  const Shape shapes[] = {{1, 1}, {1, 7}, {7, 1}, {5, 5}, {6, 9},  {25, 1},
                          {25, 25}, {26, 60}, {40, 26}, {30, 31}, {60, 3}};
  for (const Shape s : shapes) {
    const int full = std::min(s.rows, s.cols);
    for (int rank : {0, 1, full / 2, full - 1, full}) {
      if (rank < 0) continue;
      for (bool fractions : {false, true}) {
        const std::string text = RandomOfRank(rng, s, rank, fractions);
        ExpectSameAsFlint(BigMatrix(text), text);
      }
    }
    const std::string text = RandomFractions(rng, s);
    ExpectSameAsFlint(BigMatrix(text), text);
  }
}

// Systems with right-hand sides, as the Solve action augments them: singular
// square coefficients (last row the sum of the first two), consistent or not.
TEST(FastRrefProperty, EqualsFlintOnAugmentedSingularSystems) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> num(-99, 99);
  for (int n : {3, 8, 30}) {
    for (int rhs : {1, 3}) {
      std::vector<std::vector<int>> v(n, std::vector<int>(n + rhs));
      for (auto& row : v)
        for (int& x : row) x = num(rng);
      for (int j = 0; j < n + rhs; ++j) v[n - 1][j] = v[0][j] + v[1][j];
      if (rhs == 3) v[n - 1][n + 2] += 1;  // one inconsistent column
      std::string text;
      for (int i = 0; i < n; ++i)
        for (int j = 0; j < n + rhs; ++j) text += std::to_string(v[i][j]) + (j + 1 < n + rhs ? "," : ";");
      ExpectSameAsFlint(BigMatrix(text), text);
    }
  }
}

// Rows n x n of the identity, with `entry` at (i, j): the modular road's guess
// goes wrong when entry is a multiple of its prime (2^61 + 15, the next prime
// after 2^61), so the exact check must send these to the slow road.
std::string IdentityWith(int n, int i, int j, const std::string& entry, int extraCols = 0) {
  std::string text;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n + extraCols; ++c) {
      text += r == i && c == j ? entry : std::string(r == c || (c >= n && r == 0) ? "1" : "0");
      text += c + 1 < n + extraCols ? "," : ";";
    }
  return text;
}

TEST(FastRrefProperty, EqualsFlintWhenTheModularGuessFails) {
  const std::string p = "2305843009213693967", threeP = "6917529027641081901";
  const std::string texts[] = {
      IdentityWith(25, 0, 0, p),             // rank n, n - 1 modulo p
      IdentityWith(25, 3, 3, threeP, 2),      // wrong pivot column modulo p
      IdentityWith(30, 0, 1, p),              // rank n either way
      IdentityWith(25, 24, 24, "0"),          // singular: a zero row and column
      IdentityWith(26, 1, 1, "0", 1),
  };
  // The first is square with det p: the determinant's singular shortcut must not say 0.
  for (const std::string& t : texts) ExpectSameAsFlint(BigMatrix(t), t);
}

}  // namespace
