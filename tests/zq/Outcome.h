// What an operation of the arithmetic component ends in: a value's text or
// the class of the exception it raised.
#pragma once

#include <functional>
#include <string>

#include "zq/zq.h"

namespace zqtest {

inline const std::string kDivideByZero = "<zqDivideByZeroException>";
inline const std::string kBadEntry = "<zqBadEntryNumberException>";
inline const std::string kArithmetic = "<zqArithmeticException>";

// Runs f; gives its text, or the exception class as one of the names above.
inline std::string Outcome(const std::function<std::string()>& f) {
  try {
    return f();
  } catch (const zq::zqDivideByZeroException&) {
    return kDivideByZero;
  } catch (const zq::zqBadEntryNumberException&) {
    return kBadEntry;
  } catch (const zq::zqArithmeticException&) {
    return kArithmetic;
  } catch (const std::exception& e) {
    return std::string("<other: ") + e.what() + ">";
  }
}

// Rows separated by " / ", entries by blanks: "1 0 -1/3 / 0 1 2/3".
inline std::string Rows(const zq::BigMatrix& m) {
  std::string out;
  for (std::int64_t i = 0; i < m.NumRows(); ++i) {
    if (i > 0) out += " / ";
    for (std::int64_t j = 0; j < m.NumColumns(); ++j) {
      if (j > 0) out += ' ';
      out += m.GetElement(i, j).Str();
    }
  }
  return out;
}

}  // namespace zqtest
