#pragma once
// An independent view of a zq::BigMatrix for checking it: its entries as a
// table of fractions, a Gaussian elimination done here with BigFraction
// arithmetic (determinant and rank), and checks that a matrix is in reduced
// row echelon form and spans a given row space. Shared by the fuzz targets
// and the property tests.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "zq/zq.h"

namespace oracle {

using Row = std::vector<zq::BigFraction>;
using Rows = std::vector<Row>;

inline bool IsZero(const zq::BigFraction& x) { return x.Operator_Compare(0) == 0; }

inline Rows ToRows(const zq::BigMatrix& m) {
  Rows rows(static_cast<std::size_t>(m.NumRows()));
  for (std::int64_t i = 0; i < m.NumRows(); ++i)
    for (std::int64_t j = 0; j < m.NumColumns(); ++j) rows[i].push_back(m.GetElement(i, j));
  return rows;
}

// The one-line matrix text of a table, entries written by BigFraction::Str.
inline std::string OneLineText(const Rows& rows) {
  std::string text;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i) text += ';';
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      if (j) text += ',';
      text += rows[i][j].Str();
    }
  }
  return text;
}

inline zq::BigMatrix ToMatrix(const Rows& rows) { return zq::BigMatrix(OneLineText(rows)); }

struct Elimination {
  zq::BigFraction det;  // meaningful for a square table only
  std::size_t rank = 0;
};

// Plain fraction Gaussian elimination: the determinant is the product of the
// pivots with a sign per row swap.
inline Elimination Eliminate(Rows a) {
  Elimination result;
  result.det = zq::BigFraction(1);
  const std::size_t nr = a.size(), nc = nr ? a[0].size() : 0;
  std::size_t r = 0;
  for (std::size_t c = 0; c < nc && r < nr; ++c) {
    std::size_t p = r;
    while (p < nr && IsZero(a[p][c])) ++p;
    if (p == nr) {
      result.det = zq::BigFraction(0);
      continue;
    }
    if (p != r) {
      std::swap(a[p], a[r]);
      result.det = result.det * zq::BigFraction(-1);
    }
    result.det = result.det * a[r][c];
    for (std::size_t i = r + 1; i < nr; ++i) {
      if (IsZero(a[i][c])) continue;
      const zq::BigFraction f = a[i][c] / a[r][c];
      for (std::size_t j = c; j < nc; ++j) a[i][j] = a[i][j] - f * a[r][j];
    }
    ++r;
  }
  result.rank = r;
  if (r < nr) result.det = zq::BigFraction(0);
  return result;
}

// Empty when rref is in reduced row echelon form, else what is wrong.
inline std::string CheckReduced(const Rows& rref) {
  std::optional<std::size_t> lastPivot;
  bool seenZeroRow = false;
  for (std::size_t i = 0; i < rref.size(); ++i) {
    std::size_t c = 0;
    while (c < rref[i].size() && IsZero(rref[i][c])) ++c;
    const std::string at = "row " + std::to_string(i);
    if (c == rref[i].size()) {
      seenZeroRow = true;
      continue;
    }
    if (seenZeroRow) return at + " is nonzero below a zero row";
    if (!(rref[i][c] == zq::BigFraction(1))) return at + ": pivot " + rref[i][c].Str() + " is not 1";
    if (lastPivot && c <= *lastPivot) return at + ": pivot column does not increase";
    lastPivot = c;
    for (std::size_t k = 0; k < rref.size(); ++k)
      if (k != i && !IsZero(rref[k][c]))
        return at + ": column " + std::to_string(c) + " not zero in row " + std::to_string(k);
  }
  return {};
}

inline std::size_t NonzeroRows(const Rows& rows) {
  std::size_t count = 0;
  for (const Row& row : rows)
    for (const zq::BigFraction& x : row)
      if (!IsZero(x)) {
        ++count;
        break;
      }
  return count;
}

// Empty when every row of original is the combination of the rows of rref
// (a reduced form) whose coefficients are the row's entries in the pivot columns.
inline std::string CheckSpannedBy(const Rows& original, const Rows& rref) {
  std::vector<std::pair<std::size_t, std::size_t>> pivots;  // (row, column)
  for (std::size_t i = 0; i < rref.size(); ++i) {
    std::size_t c = 0;
    while (c < rref[i].size() && IsZero(rref[i][c])) ++c;
    if (c < rref[i].size()) pivots.emplace_back(i, c);
  }
  for (std::size_t i = 0; i < original.size(); ++i) {
    for (std::size_t j = 0; j < original[i].size(); ++j) {
      zq::BigFraction sum;
      for (auto [pr, pc] : pivots) sum = sum + original[i][pc] * rref[pr][j];
      if (!(sum == original[i][j]))
        return "row " + std::to_string(i) + " is not in the row space (column " + std::to_string(j) + ")";
    }
  }
  return {};
}

}  // namespace oracle
