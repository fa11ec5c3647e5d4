// Random trials with fixed seeds: exactness of Invert-times-B, singular
// matrices seen as such, and the unevaluated inverse read entry by entry.
#include <gtest/gtest.h>

#include <random>

#include "Outcome.h"

namespace {

using namespace zqtest;
using zq::BigFraction;
using zq::BigMatrix;

// Text of a rows x cols matrix of entries from `entry`.
template <typename Entry>
std::string MatrixText(int rows, int cols, Entry entry) {
  std::string text;
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) text += entry(i, j) + (j + 1 < cols ? "," : ";");
  return text;
}

std::string RandomEntry(std::mt19937& rng) {
  std::uniform_int_distribution<int> num(-30, 30), den(1, 9), kind(0, 3);
  switch (kind(rng)) {
    case 0: return std::to_string(num(rng)) + "/" + std::to_string(den(rng));
    case 1: return std::to_string(num(rng)) + "e-" + std::to_string(den(rng) % 3);
    default: return std::to_string(num(rng));
  }
}

bool Equal(const BigMatrix& x, const BigMatrix& y) {
  if (x.NumRows() != y.NumRows() || x.NumColumns() != y.NumColumns()) return false;
  for (std::int64_t i = 0; i < x.NumRows(); ++i)
    for (std::int64_t j = 0; j < x.NumColumns(); ++j)
      if (!(x.GetElement(i, j) == y.GetElement(i, j))) return false;
  return true;
}

BigMatrix Identity(int n) {
  return BigMatrix(MatrixText(n, n, [](int i, int j) { return std::string(i == j ? "1" : "0"); }));
}

// An explicit copy of m, made through its text.
BigMatrix Explicit(const BigMatrix& m) {
  return BigMatrix(MatrixText(static_cast<int>(m.NumRows()), static_cast<int>(m.NumColumns()),
                              [&](int i, int j) { return m.GetElement(i, j).Str(); }));
}

TEST(RandomSystems, InvertTimesBSolvesExactly) {
  std::mt19937 rng(20261210);
  int solved = 0;
  for (int trial = 0; trial < 40; ++trial) {
    const int n = 1 + trial % 8, k = 1 + trial % 3;
    const BigMatrix a(MatrixText(n, n, [&](int, int) { return RandomEntry(rng); }));
    const BigMatrix b(MatrixText(n, k, [&](int, int) { return RandomEntry(rng); }));
    if (a.Det().Operator_Compare(0) == 0) continue;
    const BigMatrix x = a.Invert().Operator_Multiply(b);
    ASSERT_EQ(x.NumRows(), n);
    ASSERT_EQ(x.NumColumns(), k);
    EXPECT_TRUE(Equal(a.Operator_Multiply(x), b)) << "trial " << trial;
    // The same from the right: (b^T A^-1) A = b^T, with b^T the transpose of b.
    const BigMatrix bt(MatrixText(k, n, [&](int i, int j) { return b.GetElement(j, i).Str(); }));
    EXPECT_TRUE(Equal(bt.Operator_Multiply(a.Invert()).Operator_Multiply(a), bt)) << "trial " << trial;
    ++solved;
  }
  EXPECT_GT(solved, 30);
}

TEST(RandomSystems, LazyInverseEntriesAreTheInverse) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 20; ++trial) {
    const int n = 1 + trial % 6;
    const BigMatrix a(MatrixText(n, n, [&](int, int) { return RandomEntry(rng); }));
    if (a.Det().Operator_Compare(0) == 0) continue;
    const BigMatrix inverse = a.Invert();
    const BigMatrix explicitInverse = Explicit(inverse);  // read entry by entry
    EXPECT_TRUE(Equal(a.Operator_Multiply(explicitInverse), Identity(n))) << "trial " << trial;
    EXPECT_TRUE(Equal(explicitInverse.Operator_Multiply(a), Identity(n))) << "trial " << trial;
    const BigMatrix b(MatrixText(n, 2, [&](int, int) { return RandomEntry(rng); }));
    EXPECT_TRUE(Equal(inverse.Operator_Multiply(b), explicitInverse.Operator_Multiply(b))) << "trial " << trial;
    EXPECT_TRUE(inverse.Det() * a.Det() == BigFraction(1));
    EXPECT_TRUE(explicitInverse.Det() == inverse.Det());
  }
}

TEST(RandomSystems, RankDeficientMatricesAreSingular) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> small(-5, 5);
  for (int trial = 0; trial < 20; ++trial) {
    const int n = 2 + trial % 6;
    // The last row is a combination of the first two.
    std::vector<std::vector<int>> rows(n, std::vector<int>(n));
    for (int i = 0; i + 1 < n; ++i)
      for (int& v : rows[i]) v = small(rng);
    const int p = small(rng), q = small(rng);
    for (int j = 0; j < n; ++j) rows[n - 1][j] = p * rows[0][j] + q * rows[n > 2 ? 1 : 0][j];
    const BigMatrix a(MatrixText(n, n, [&](int i, int j) { return std::to_string(rows[i][j]); }));
    EXPECT_EQ(a.Det().Str(), "0") << "trial " << trial;
    EXPECT_EQ(Outcome([&] { return Rows(a.Invert()); }), kDivideByZero) << "trial " << trial;
    const BigMatrix r = a.ReduceRowEchelon();
    for (int j = 0; j < n; ++j) EXPECT_EQ(r.GetElement(n - 1, j).Str(), "0") << "trial " << trial;
  }
}

TEST(RandomSystems, ReducedFormOfANonsingularAugmentedSystemHoldsTheSolution) {
  std::mt19937 rng(3);
  for (int trial = 0; trial < 10; ++trial) {
    const int n = 1 + trial % 5;
    const BigMatrix a(MatrixText(n, n, [&](int, int) { return RandomEntry(rng); }));
    const BigMatrix b(MatrixText(n, 1, [&](int, int) { return RandomEntry(rng); }));
    if (a.Det().Operator_Compare(0) == 0) continue;
    const BigMatrix r = a.ColumnAugment(b).ReduceRowEchelon();
    const BigMatrix x = a.Invert().Operator_Multiply(b);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) EXPECT_EQ(r.GetElement(i, j).Str(), i == j ? "1" : "0");
      EXPECT_TRUE(r.GetElement(i, n) == x.GetElement(i, 0));
    }
  }
}

}  // namespace
