// The benchmark's systems: what a user would paste, generated from a fixed
// seed so that every process (and every run) sees the same text.
#pragma once

#include <string>
#include <vector>

namespace bench {

// S: integers in [-99, 99], one right-hand side.   F: fractions p/q, |p| <= 99, 1 <= q <= 99.
// M: S with 10 right-hand sides.                    R: singular, last row the sum of the first two.
// P: a 1000 x 1000 paste, timed up to the construction of A and B.
struct Case {
  char kind;
  int n;
  std::string Name() const { return std::string(1, kind) + "(" + std::to_string(n) + ")"; }
  int RightHandSides() const { return kind == 'M' ? 10 : 1; }
};

// Typed texts: one row per line, entries separated by one blank, every line
// ended by "\n".
struct TypedSystem {
  std::string coefficients;
  std::string rhs;
};

TypedSystem MakeSystem(const Case& c);

// The numbers of a text in order (tokens separated by white space); lines of
// words (headings) are skipped.
std::vector<std::string> NumberTokens(const std::string& text);
// An order-sensitive digest of such tokens, to compare two results.
unsigned long long Digest(const std::vector<std::string>& tokens);

}  // namespace bench
