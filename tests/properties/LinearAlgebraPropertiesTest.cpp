// Random trials with fixed seeds: solutions of nonsingular systems satisfy
// A·X = B exactly, Det agrees with an elimination (and cofactor expansion for
// small n) done here, and ReduceRowEchelon of rank-deficient and non-square
// systems is reduced, has the right rank and the same row space.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/fuzz/MatrixOracle.h"
#include "zq/zq.h"

namespace zq {
// Failure messages show fractions as text.
inline void PrintTo(const BigFraction& x, std::ostream* os) { *os << x.Str(); }
}  // namespace zq

namespace {

using oracle::Rows;
using zq::BigFraction;
using zq::BigMatrix;

// Large: numerators and denominators of about 25 digits, several machine words.
enum class Entries { Integers, Fractions, Large };

class RandomMatrices {
 public:
  explicit RandomMatrices(std::uint64_t seed) : rng_(seed) {}

  BigFraction Entry(Entries kind) {
    const int p = std::uniform_int_distribution<int>(-99, 99)(rng_);
    if (kind == Entries::Integers) return BigFraction(p);
    if (kind == Entries::Large) return BigFraction(std::to_string(p) + Digits(24) + "/" + Digits(1) + Digits(24));
    const int q = std::uniform_int_distribution<int>(1, 30)(rng_);
    return BigFraction(std::to_string(p) + "/" + std::to_string(q));
  }

  Rows Matrix(std::size_t rows, std::size_t columns, Entries kind) {
    Rows m(rows);
    for (auto& row : m)
      for (std::size_t j = 0; j < columns; ++j) row.push_back(Entry(kind));
    return m;
  }

  // A product of rows x rank and rank x columns: rank at most `rank`.
  Rows LowRank(std::size_t rows, std::size_t columns, std::size_t rank, Entries kind) {
    return Multiply(Matrix(rows, rank, kind), Matrix(rank, columns, Entries::Integers));
  }

  static Rows Multiply(const Rows& a, const Rows& b) {
    Rows c(a.size(), oracle::Row(b.empty() ? 0 : b[0].size()));
    for (std::size_t i = 0; i < a.size(); ++i)
      for (std::size_t j = 0; j < c[i].size(); ++j)
        for (std::size_t k = 0; k < b.size(); ++k) c[i][j] = c[i][j] + a[i][k] * b[k][j];
    return c;
  }

 private:
  // `count` random decimal digits, the first of them not 0.
  std::string Digits(int count) {
    std::string d;
    for (int i = 0; i < count; ++i)
      d += static_cast<char>('0' + std::uniform_int_distribution<int>(i == 0 ? 1 : 0, 9)(rng_));
    return d;
  }

  std::mt19937_64 rng_;
};

BigFraction Cofactor(const Rows& a) {
  if (a.size() == 1) return a[0][0];
  BigFraction det;
  for (std::size_t j = 0; j < a.size(); ++j) {
    Rows minor;
    for (std::size_t i = 1; i < a.size(); ++i) {
      oracle::Row row;
      for (std::size_t k = 0; k < a.size(); ++k)
        if (k != j) row.push_back(a[i][k]);
      minor.push_back(row);
    }
    const BigFraction term = a[0][j] * Cofactor(minor);
    det = j % 2 ? det - term : det + term;
  }
  return det;
}

std::string Describe(const Rows& a) { return oracle::OneLineText(a); }

struct SystemCase {
  Entries kind;
  std::size_t n, rhsColumns;
  int trials;
};

class NonsingularSystems : public ::testing::TestWithParam<SystemCase> {};

TEST_P(NonsingularSystems, SolutionSatisfiesTheSystemAndDetAgrees) {
  const SystemCase c = GetParam();
  RandomMatrices random(1000 * c.n + 10 * c.rhsColumns + static_cast<int>(c.kind));
  int solved = 0;
  for (int t = 0; t < c.trials; ++t) {
    const Rows aRows = random.Matrix(c.n, c.n, c.kind);
    const Rows bRows = random.Matrix(c.n, c.rhsColumns, c.kind);
    const BigMatrix a = oracle::ToMatrix(aRows), b = oracle::ToMatrix(bRows);
    const oracle::Elimination byHand = oracle::Eliminate(aRows);
    const BigFraction det = a.Det();
    ASSERT_EQ(det, byHand.det) << Describe(aRows) << ": Det " << det.Str() << ", elimination "
                               << byHand.det.Str();
    if (c.n <= 5) {
      ASSERT_EQ(det, Cofactor(aRows)) << Describe(aRows);
    }
    if (oracle::IsZero(det)) continue;  // rare with these entries; the singular cases are below
    ++solved;

    const BigMatrix x = a.Invert().Operator_Multiply(b);
    ASSERT_EQ(x.NumRows(), static_cast<std::int64_t>(c.n));
    ASSERT_EQ(x.NumColumns(), static_cast<std::int64_t>(c.rhsColumns));
    const Rows ax = oracle::ToRows(a.Operator_Multiply(x));
    ASSERT_EQ(ax, bRows) << "A·X != B for A = " << Describe(aRows) << ", B = " << Describe(bRows);
    // The product's own view agrees with the product done here.
    ASSERT_EQ(RandomMatrices::Multiply(aRows, oracle::ToRows(x)), bRows) << Describe(aRows);
  }
  EXPECT_GE(solved, c.trials - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, NonsingularSystems,
    ::testing::Values(SystemCase{Entries::Integers, 1, 1, 20}, SystemCase{Entries::Integers, 2, 1, 20},
                      SystemCase{Entries::Integers, 3, 2, 15}, SystemCase{Entries::Integers, 5, 1, 10},
                      SystemCase{Entries::Integers, 8, 3, 5}, SystemCase{Entries::Integers, 12, 2, 3},
                      SystemCase{Entries::Fractions, 1, 2, 20}, SystemCase{Entries::Fractions, 2, 3, 15},
                      SystemCase{Entries::Fractions, 4, 1, 10}, SystemCase{Entries::Fractions, 5, 4, 6},
                      SystemCase{Entries::Fractions, 7, 2, 4}, SystemCase{Entries::Fractions, 10, 1, 2},
                      SystemCase{Entries::Large, 2, 2, 10}, SystemCase{Entries::Large, 4, 3, 5},
                      SystemCase{Entries::Large, 6, 1, 2}));

// The inverse read entry by entry is the inverse.
TEST(Invert, EntriesFormTheInverse) {
  RandomMatrices random(77);
  for (std::size_t n : {1, 2, 3, 4, 6}) {
    const Rows aRows = random.Matrix(n, n, Entries::Fractions);
    const BigMatrix a = oracle::ToMatrix(aRows);
    if (oracle::IsZero(a.Det())) continue;
    const Rows inverse = oracle::ToRows(a.Invert());
    const Rows product = RandomMatrices::Multiply(aRows, inverse);
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = 0; j < n; ++j)
        ASSERT_EQ(product[i][j], BigFraction(i == j ? 1 : 0)) << Describe(aRows);
  }
}

struct EchelonCase {
  std::size_t rows, columns, rank;
  Entries kind;
  int trials;
};

class ReducedRowEchelon : public ::testing::TestWithParam<EchelonCase> {};

TEST_P(ReducedRowEchelon, IsReducedWithTheRankAndRowSpaceOfTheMatrix) {
  const EchelonCase c = GetParam();
  RandomMatrices random(7 * c.rows + 131 * c.columns + 17 * c.rank + static_cast<int>(c.kind));
  for (int t = 0; t < c.trials; ++t) {
    const Rows aRows = c.rank == 0 ? Rows(c.rows, oracle::Row(c.columns))
                                   : random.LowRank(c.rows, c.columns, c.rank, c.kind);
    const BigMatrix a = oracle::ToMatrix(aRows);
    const std::size_t rank = oracle::Eliminate(aRows).rank;
    ASSERT_LE(rank, c.rank);

    const Rows rref = oracle::ToRows(a.ReduceRowEchelon());
    ASSERT_EQ(rref.size(), c.rows);
    ASSERT_EQ(rref[0].size(), c.columns);
    EXPECT_EQ(oracle::CheckReduced(rref), "") << Describe(aRows);
    EXPECT_EQ(oracle::NonzeroRows(rref), rank) << Describe(aRows);
    EXPECT_EQ(oracle::CheckSpannedBy(aRows, rref), "") << Describe(aRows);

    // Stacking the original on its reduced form adds nothing to the row space.
    Rows stacked = aRows;
    stacked.insert(stacked.end(), rref.begin(), rref.end());
    EXPECT_EQ(oracle::NonzeroRows(oracle::ToRows(oracle::ToMatrix(stacked).ReduceRowEchelon())), rank)
        << Describe(aRows);
    // A reduced form is its own reduced form.
    EXPECT_EQ(oracle::ToRows(oracle::ToMatrix(rref).ReduceRowEchelon()), rref) << Describe(aRows);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ReducedRowEchelon,
    ::testing::Values(EchelonCase{3, 3, 2, Entries::Integers, 10}, EchelonCase{4, 4, 1, Entries::Fractions, 8},
                      EchelonCase{5, 5, 3, Entries::Fractions, 6}, EchelonCase{2, 5, 2, Entries::Integers, 10},
                      EchelonCase{3, 7, 2, Entries::Fractions, 8}, EchelonCase{6, 3, 3, Entries::Integers, 8},
                      EchelonCase{7, 4, 2, Entries::Fractions, 6}, EchelonCase{8, 9, 5, Entries::Integers, 4},
                      EchelonCase{12, 6, 4, Entries::Fractions, 2}, EchelonCase{4, 6, 0, Entries::Integers, 1},
                      EchelonCase{1, 6, 1, Entries::Fractions, 5}, EchelonCase{6, 1, 1, Entries::Integers, 5},
                      EchelonCase{4, 6, 2, Entries::Large, 3}, EchelonCase{5, 3, 2, Entries::Large, 3}));

// What the Solve action reduces: A augmented with several right-hand sides,
// A singular or not square.
TEST(ReducedRowEchelon, AugmentedSystemsKeepTheirRowSpace) {
  RandomMatrices random(4242);
  for (auto [rows, columns, rank, rhs] : std::vector<std::array<std::size_t, 4>>{
           {3, 3, 2, 1}, {4, 4, 3, 2}, {2, 4, 2, 1}, {5, 3, 3, 3}, {6, 6, 2, 2}}) {
    const Rows aRows = random.LowRank(rows, columns, rank, Entries::Fractions);
    const Rows bRows = random.Matrix(rows, rhs, Entries::Integers);
    const BigMatrix augmented = oracle::ToMatrix(aRows).ColumnAugment(oracle::ToMatrix(bRows));
    Rows joined = aRows;
    for (std::size_t i = 0; i < rows; ++i) joined[i].insert(joined[i].end(), bRows[i].begin(), bRows[i].end());
    ASSERT_EQ(oracle::ToRows(augmented), joined);
    const Rows rref = oracle::ToRows(augmented.ReduceRowEchelon());
    EXPECT_EQ(oracle::CheckReduced(rref), "") << Describe(joined);
    EXPECT_EQ(oracle::NonzeroRows(rref), oracle::Eliminate(joined).rank) << Describe(joined);
    EXPECT_EQ(oracle::CheckSpannedBy(joined, rref), "") << Describe(joined);
  }
}

}  // namespace
