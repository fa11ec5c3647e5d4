#include "Cases.h"

#include <random>
#include <sstream>

namespace bench {
namespace {

std::string Entry(char kind, std::mt19937_64& rng) {
  std::uniform_int_distribution<int> p(-99, 99);
  if (kind != 'F') return std::to_string(p(rng));
  std::uniform_int_distribution<int> q(1, 99);
  const int top = p(rng);
  return std::to_string(top) + "/" + std::to_string(q(rng));
}

}  // namespace

TypedSystem MakeSystem(const Case& c) {
  std::mt19937_64 rng(0x5eed0000ULL + static_cast<unsigned long long>(c.kind) * 100000 + c.n);
  const int n = c.n;
  const int k = c.RightHandSides();
  TypedSystem s;
  if (c.kind == 'P') {
    s.coefficients.reserve(static_cast<std::size_t>(n) * n * 4);
    std::uniform_int_distribution<int> small(-99, 99);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) s.coefficients += std::to_string(small(rng)) + (j + 1 < n ? " " : "\n");
    }
    // One row only: the Solve stops at "row number mismatch" right after A and B exist.
    s.rhs = "1\n";
    return s;
  }
  // Rows as integers (or fraction texts); R's last row is the sum of the first two.
  std::vector<std::vector<long>> ints;
  for (int i = 0; i < n; ++i) {
    std::string line;
    std::vector<long> row;
    for (int j = 0; j < n + k; ++j) {
      std::string e;
      if (c.kind == 'R' && i == n - 1) {
        e = std::to_string(ints[0][j] + ints[1][j]);
      } else {
        e = Entry(c.kind, rng);
        if (c.kind == 'R') row.push_back(std::stol(e));
      }
      std::string& target = j < n ? s.coefficients : s.rhs;
      target += e;
      target += (j + 1 == n || j + 1 == n + k) ? "\n" : " ";
    }
    if (c.kind == 'R') ints.push_back(std::move(row));
  }
  return s;
}

std::vector<std::string> NumberTokens(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::vector<std::string> here;
    std::string w;
    bool numeric = true;
    while (words >> w) {
      if (!(std::isdigit(static_cast<unsigned char>(w[0])) || w[0] == '-')) numeric = false;
      here.push_back(w);
    }
    if (numeric) out.insert(out.end(), here.begin(), here.end());
  }
  return out;
}

unsigned long long Digest(const std::vector<std::string>& tokens) {
  unsigned long long h = 1469598103934665603ULL;
  for (const std::string& t : tokens) {
    for (unsigned char ch : t) h = (h ^ ch) * 1099511628211ULL;
    h = (h ^ 0xff) * 1099511628211ULL;
  }
  return h;
}

}  // namespace bench
