// Reading the text of one number into an exact fraction (grammar and limits
// are documented in zq.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "zq/FlintRaii.h"
#include "zq/zq.h"

namespace zq::detail {

// Sum of |exponent| over every number of one text (a matrix text included), so
// that many large exponents cannot add up to a huge allocation.
inline constexpr std::int64_t kMaxExponentBudget = 10000000;

class NumberReader {
 public:
  // Reads `text` into `out` (canonical). Throws zqBadEntryNumberException,
  // zqDivideByZeroException or zqArithmeticException (a limit).
  void Read(std::string_view text, fmpq* out);

 private:
  std::int64_t budget_ = kMaxExponentBudget;
  std::string digits_;  // scratch for long digit runs
  Fmpz num_, den_, power_;
};

}  // namespace zq::detail
