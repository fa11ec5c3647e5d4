// Child process: the same work done directly on FLINT. The typed entries are
// read with fmpq_set_str, then fmpq_mat_det and fmpq_mat_solve (or
// fmpq_mat_rref of the augmented matrix when the determinant is 0), and the
// result is written as decimal text. Extra figures: each step alone, and
// fmpq_mat_solve_dixon (all right-hand sides in one Dixon solve).
#include <flint/fmpq.h>
#include <flint/fmpq_mat.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "Measure.h"

namespace bench {
namespace {

struct Mat {
  Mat(slong r, slong c) { fmpq_mat_init(m, r, c); }
  ~Mat() { fmpq_mat_clear(m); }
  Mat(const Mat&) = delete;
  Mat& operator=(const Mat&) = delete;
  fmpq_mat_t m;
};

struct Q {
  Q() { fmpq_init(v); }
  ~Q() { fmpq_clear(v); }
  fmpq_t v;
};

// Rows on lines, entries separated by blanks.
std::unique_ptr<Mat> Parse(const std::string& text) {
  slong rows = 0, cols = 0;
  for (std::size_t i = 0, start = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    if (rows == 0) {
      cols = 1;
      for (std::size_t j = start; j < i; ++j) cols += text[j] == ' ';
    }
    ++rows;
    start = i + 1;
  }
  auto m = std::make_unique<Mat>(rows, cols);
  std::string token;
  slong k = 0;
  for (std::size_t i = 0, start = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ' ' && text[i] != '\n') continue;
    if (i > start) {
      token.assign(text, start, i - start);
      fmpq* e = fmpq_mat_entry(m->m, k / cols, k % cols);
      fmpq_set_str(e, token.c_str(), 10);
      fmpq_canonicalise(e);
      ++k;
    }
    start = i + 1;
  }
  return m;
}

void Append(std::string& out, const fmpq* x) {
  char* s = fmpq_get_str(nullptr, 10, x);
  out += s;
  flint_free(s);
}

std::string MatrixText(const fmpq_mat_t m) {
  std::string out;
  for (slong i = 0; i < fmpq_mat_nrows(m); ++i) {
    for (slong j = 0; j < fmpq_mat_ncols(m); ++j) {
      Append(out, fmpq_mat_entry(m, i, j));
      out += j + 1 < fmpq_mat_ncols(m) ? ' ' : '\n';
    }
  }
  return out;
}

}  // namespace

int RunReferenceChild(const Case& c, int reps) {
  const TypedSystem typed = MakeSystem(c);
  const double before = PeakMiB();
  double peakDelta = 0;
  std::vector<double> times, tParse, tDet, tSolve, tText, tDixon;
  std::string result;
  for (int r = 0; r < reps; ++r) {
    double p = 0, d = 0, s = 0, t = 0;
    times.push_back(Seconds([&] {
      std::unique_ptr<Mat> A, B;
      p = Seconds([&] {
        A = Parse(typed.coefficients);
        B = Parse(typed.rhs);
      });
      if (c.kind == 'P') return;
      const slong n = fmpq_mat_nrows(A->m), k = fmpq_mat_ncols(B->m);
      Q det;
      d = Seconds([&] { fmpq_mat_det(det.v, A->m); });
      if (!fmpq_is_zero(det.v)) {
        Mat X(n, k);
        s = Seconds([&] { fmpq_mat_solve(X.m, A->m, B->m); });
        t = Seconds([&] {
          result = MatrixText(X.m);
          Append(result, det.v);
          result += '\n';
        });
      } else {
        Mat AB(n, n + k), R(n, n + k);
        s = Seconds([&] {
          fmpq_mat_concat_horizontal(AB.m, A->m, B->m);
          fmpq_mat_rref(R.m, AB.m);
        });
        t = Seconds([&] { result = MatrixText(R.m); });
      }
    }));
    if (r == 0) peakDelta = PeakMiB() - before;
    tParse.push_back(p);
    tDet.push_back(d);
    tSolve.push_back(s);
    tText.push_back(t);
  }
  // Dixon with all right-hand sides at once, for the square nonsingular cases.
  double dixon = 0;
  if (c.kind == 'S' || c.kind == 'M' || c.kind == 'F') {
    std::unique_ptr<Mat> A = Parse(typed.coefficients), B = Parse(typed.rhs);
    Mat X(fmpq_mat_nrows(A->m), fmpq_mat_ncols(B->m));
    dixon = Seconds([&] { fmpq_mat_solve_dixon(X.m, A->m, B->m); });
  }
  char extra[256];
  std::snprintf(extra, sizeof extra, "| parse %.3f det %.3f %s %.3f text %.3f  solve_dixon %.3f", Median(tParse),
                Median(tDet), c.kind == 'R' ? "rref" : "solve", Median(tSolve), Median(tText), dixon);
  Report(Median(times), peakDelta, c.kind == 'P' ? 0 : Digest(NumberTokens(result)), extra);
  return 0;
}

}  // namespace bench
