// The arbitrary-precision arithmetic component: exact integers, fractions and
// matrices of fractions, and floating-point numbers of settable precision.
//
// Built as a shared library of its own (libzq). GMP, MPFR and FLINT stay behind
// its .cpp files: this header names none of their types, so callers see only
// small value classes.
//
// CONTRACT (the rest of the program is written against these declarations;
// the implementation fills in the decisions listed under "Decisions").
//
// Decisions
// ---------
// Number text (BigFraction's text constructor, each matrix entry):
//   number  := space* decimal ( "/" decimal )? space*
//   decimal := sign? ( digits ( "." digits? )? | "." digits ) ( ("e"|"E") sign? digits )?
//   sign    := "+" | "-"        space := blank, tab, CR, LF
//   So "+5", ".5", "5.", "-2/5", "1.57e4/2" (= 7850), "7.6/3" (= 38/15),
//   "1e-3" (= 1/1000), "1/-2" (= -1/2) read; "", ".", "e5", "1e", "1 2",
//   "2 /3", "1/2/3", "0x10", "inf" do not. No blanks inside a number.
//   The value is exact and kept in lowest terms.
// Limits (bad text must never exhaust memory or time):
//   |exponent| of one decimal <= 100000 (kMaxExponent below: "1e999999999" raises at once);
//   the |exponent|s of all numbers of one text (one whole matrix text) add up
//   to at most 10000000; other digits cost no more than the text's own length.
//   Operator_Power(x): x * log2 max(|num|, den) <= 2^24 (a result of at most
//   2 MiB), checked before computing: "3/7" to the 2000000000 raises at once.
// One-line matrix text (BigMatrix's text constructor):
//   entries separated by ",", rows by ";"; one final ";" or one final ","
//   ends the last row and adds nothing ("1,2;3,4;" and "1,2;3,4," are 2 x 2).
//   Every entry is a number as above (blanks around it tolerated). All entries
//   are read first, in text order, then the shape is checked.
// Failures, by class:
//   | failure                                                      | class                      |
//   |--------------------------------------------------------------|----------------------------|
//   | number text outside the grammar (empty, junk, blanks inside) | zqBadEntryNumberException  |
//   | matrix text empty, or an empty entry / empty row ("1,,2", ";", "1;;2", "1,;") | zqBadEntryNumberException |
//   | zero denominator in a text ("1/0", "2/0.0e5")                | zqDivideByZeroException    |
//   | Operator_Divide by 0                                         | zqDivideByZeroException    |
//   | Invert of a singular matrix (Det = 0)                        | zqDivideByZeroException    |
//   | exponent or exponent sum beyond the limits above             | zqArithmeticException      |
//   | matrix rows of unequal length                                | zqArithmeticException      |
//   | Det / Invert of a non-square matrix                          | zqArithmeticException      |
//   | Operator_Multiply: self's columns != x's rows                | zqArithmeticException      |
//   | ColumnAugment: row counts differ                             | zqArithmeticException      |
//   | GetElement outside the matrix                                | zqArithmeticException      |
//   | Operator_Power: exponent negative, not whole, NaN or infinite| zqArithmeticException      |
//   | Operator_Power: result beyond the bound above               | zqArithmeticException      |
//   | zqEquateINT32_BI outside [-2^31, 2^31-1]                     | zqArithmeticException      |
//   | zqEquateBF_BFR beyond the floating-point exponent range      | zqArithmeticException      |
//   | memory ran out (inside GMP, MPFR and FLINT too), or Det, the | zqOutOfMemoryException     |
//   | solve, ReduceRowEchelon or Operator_Power would need more    | (a std::bad_alloc)         |
//   | than the process can still get (estimated beforehand)       |                            |
//   Shapes are checked before any library call, so nothing reads outside a matrix.
// Powers: 0^0 = 1; 0, 1 and -1 to any whole power need no bound.
// Empty matrices (the default constructor, a moved-from matrix): 0 x 0,
//   Det = 1, Invert = itself. Moved-from BigInteger / BigFraction / BigFloat
//   may only be assigned to or destroyed.
// BigFloat: precisions in decimal digits. Initially working precision 60 and
//   output digits 15. zqSetPrecision clamps to [2, 100000], zqSetOutputPrecision
//   to [2, 100000] (kMin/kMax below); callers pass 4*d already saturated.
//   The working precision is turned into ceil(digits * log2 10) + 8 bits.
//   Str writes the output digits as significant digits, rounded to nearest,
//   like printf "%.*g": trailing zeros dropped, exponent form ("1.5e+20",
//   "1e-05") when the decimal exponent is below -4 or not below the digits.
//   At 15 digits: 21/4313 -> "0.00486900069557153", 4313/378 -> "11.4100529100529".
// Speed: Invert returns the inverse unevaluated (it shares the matrix); its
//   product with a matrix is one exact solve, and its entries are computed on
//   first read. Det is cached in the shared matrix, so Det then Invert costs one Det.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#if defined(ZQ_BUILDING_LIBRARY)
#define ZQ_API __attribute__((visibility("default")))
#else
#define ZQ_API
#endif

namespace zq {

// ---------------------------------------------------------------------------
// Exceptions. Callers tell them apart by class.
class ZQ_API RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A zero denominator or a division by zero.
class ZQ_API zqDivideByZeroException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};
// Text that is not a number of the grammar.
class ZQ_API zqBadEntryNumberException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};
// Any other failure (matrix shapes, limits exceeded, ...). Deliberately not a
// subclass of the two above.
class ZQ_API zqArithmeticException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// Memory ran out, or a computation was refused at once because its estimated
// need exceeds what the process can still get. A std::bad_alloc, so that one
// handler covers it and the allocation failures of the standard library.
class ZQ_API zqOutOfMemoryException : public std::bad_alloc {
 public:
  const char* what() const noexcept override;
};

// One computation on the calling thread, all of whose component objects are made
// and destroyed inside it (the program runs each action's arithmetic on a fresh
// worker thread inside such a scope). When the scope ends, normally or by an
// exception, the memory the component took for it is given back, the thread's
// library caches included, so that a failed computation leaves nothing behind.
// Scopes nest; each gives back what was taken while it was the innermost one.
class ZQ_API ComputationScope {
 public:
  ComputationScope();
  ~ComputationScope();
  ComputationScope(const ComputationScope&) = delete;
  ComputationScope& operator=(const ComputationScope&) = delete;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

class BigFraction;

// BigFloat precision settings, in decimal digits.
inline constexpr std::int32_t kInitialPrecision = 60;
inline constexpr std::int32_t kInitialOutputPrecision = 15;
inline constexpr std::int32_t kMinPrecision = 2;
inline constexpr std::int32_t kMaxPrecision = 100000;
inline constexpr std::int32_t kMaxOutputPrecision = 100000;
// Largest |exponent| of one decimal in a number text.
inline constexpr std::int64_t kMaxExponent = 100000;

// ---------------------------------------------------------------------------
class ZQ_API BigInteger {
 public:
  BigInteger();                         // 0
  explicit BigInteger(std::int64_t v);
  BigInteger(const BigInteger&);
  BigInteger(BigInteger&&) noexcept;
  BigInteger& operator=(const BigInteger&);
  BigInteger& operator=(BigInteger&&) noexcept;
  ~BigInteger();

  int Operator_Compare(std::int32_t x) const;  // sign of self - x: -1, 0 or 1
  std::string Str() const;                     // plain decimal, "-" in front

  struct Impl;
  const Impl& impl() const { return *p_; }

 private:
  explicit BigInteger(std::unique_ptr<Impl> p);
  std::unique_ptr<Impl> p_;
  friend class BigFraction;
  friend BigInteger zqNum(const BigFraction&);
  friend BigInteger zqDen(const BigFraction&);
};

// ---------------------------------------------------------------------------
class ZQ_API BigFraction {
 public:
  BigFraction();                           // 0
  explicit BigFraction(std::int64_t v);
  explicit BigFraction(std::string_view inputString);  // the text constructor
  BigFraction(const BigFraction&);
  BigFraction(BigFraction&&) noexcept;
  BigFraction& operator=(const BigFraction&);
  BigFraction& operator=(BigFraction&&) noexcept;
  ~BigFraction();

  BigFraction Operator_Add(const BigFraction& x) const;
  BigFraction Operator_Subtract(const BigFraction& x) const;
  BigFraction Operator_Multiply(const BigFraction& x) const;
  BigFraction Operator_Divide(const BigFraction& x) const;  // x == 0: zqDivideByZeroException
  BigFraction Operator_Power(double x) const;  // whole x >= 0; see Decisions
  int Operator_Compare(std::int32_t x) const;  // sign of self - x
  std::string Str() const;                     // exact, lowest terms: "18", "7/3", "-8640/4313"

  friend BigFraction operator+(const BigFraction& a, const BigFraction& b) { return a.Operator_Add(b); }
  friend BigFraction operator-(const BigFraction& a, const BigFraction& b) { return a.Operator_Subtract(b); }
  friend BigFraction operator*(const BigFraction& a, const BigFraction& b) { return a.Operator_Multiply(b); }
  friend BigFraction operator/(const BigFraction& a, const BigFraction& b) { return a.Operator_Divide(b); }
  ZQ_API friend bool operator==(const BigFraction& a, const BigFraction& b);

  struct Impl;
  const Impl& impl() const { return *p_; }

 private:
  explicit BigFraction(std::unique_ptr<Impl> p);
  std::unique_ptr<Impl> p_;
  friend class BigMatrix;
  friend class BigFloat;
  friend BigInteger zqNum(const BigFraction&);
  friend BigInteger zqDen(const BigFraction&);
};

ZQ_API std::string Str(const BigFraction& x);
ZQ_API BigInteger zqNum(const BigFraction& x);   // numerator, lowest terms
ZQ_API BigInteger zqDen(const BigFraction& x);   // denominator, positive, lowest terms
ZQ_API std::int32_t zqEquateINT32_BI(const BigInteger& x);  // outside int32: zqArithmeticException

// ---------------------------------------------------------------------------
// Floating point. The working precision and the output digits are
// process-wide settings, in decimal digits.
class ZQ_API BigFloat {
 public:
  BigFloat();
  BigFloat(const BigFloat&);
  BigFloat(BigFloat&&) noexcept;
  BigFloat& operator=(const BigFloat&);
  BigFloat& operator=(BigFloat&&) noexcept;
  ~BigFloat();

  struct Impl;
  const Impl& impl() const { return *p_; }

 private:
  explicit BigFloat(std::unique_ptr<Impl> p);
  std::unique_ptr<Impl> p_;
  friend ZQ_API BigFloat zqEquateBF_BFR(const BigFraction& x);
};

ZQ_API void zqSetPrecision(std::int32_t prec);        // working precision, digits
ZQ_API void zqSetOutputPrecision(std::int32_t prec);  // digits that Str(BigFloat) writes
ZQ_API std::int32_t zqGetPrecision();                 // the settings in force (for tests)
ZQ_API std::int32_t zqGetOutputPrecision();
ZQ_API BigFloat zqEquateBF_BFR(const BigFraction& x);  // x at the working precision
ZQ_API std::string Str(const BigFloat& x);             // e.g. "0.00486900069557153" at 15 digits

// ---------------------------------------------------------------------------
// An immutable matrix of fractions. Copies are cheap (shared storage).
class ZQ_API BigMatrix {
 public:
  BigMatrix();                                       // 0 x 0
  explicit BigMatrix(std::string_view inputString);  // one-line matrix text
  BigMatrix(const BigMatrix&);
  BigMatrix(BigMatrix&&) noexcept;
  BigMatrix& operator=(const BigMatrix&);
  BigMatrix& operator=(BigMatrix&&) noexcept;
  ~BigMatrix();

  std::int64_t NumRows() const;
  std::int64_t NumColumns() const;
  BigFraction GetElement(std::int64_t i, std::int64_t j) const;  // from 0; outside: zqArithmeticException

  BigFraction Det() const;                          // square only
  BigMatrix Invert() const;                         // square, Det != 0
  BigMatrix Operator_Multiply(const BigMatrix& x) const;  // self * x
  BigMatrix ColumnAugment(const BigMatrix& y) const;      // y's columns appended right
  BigMatrix ReduceRowEchelon() const;

  struct Impl;
  const Impl& impl() const { return *p_; }

 private:
  explicit BigMatrix(std::shared_ptr<const Impl> p);
  std::shared_ptr<const Impl> p_;
};

}  // namespace zq
