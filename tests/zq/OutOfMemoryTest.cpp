// Memory that runs out inside GMP, MPFR or FLINT raises zqOutOfMemoryException
// through the libraries' C frames instead of aborting; the objects involved
// stay destructible and the same computation is right once memory is back.
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>
#include <gmp.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <memory>
#include <vector>

#include "MemoryTestSupport.h"

namespace {

using namespace zqtest;

// Owners for the direct library calls (the component's own are internal).
struct Mpz {
  Mpz() { mpz_init(v); }
  ~Mpz() { mpz_clear(v); }
  mpz_t v;
};
struct Mpfr {
  explicit Mpfr(mpfr_prec_t bits) { mpfr_init2(v, bits); }
  ~Mpfr() { mpfr_clear(v); }
  mpfr_t v;
};
struct FmpzMat {
  FmpzMat(slong r, slong c) { fmpz_mat_init(m, r, c); }
  ~FmpzMat() { fmpz_mat_clear(m); }
  fmpz_mat_t m;
};

std::string MpzDigest(const mpz_t z) {
  return std::to_string(mpz_sizeinbase(z, 2)) + ":" + std::to_string(mpz_fdiv_ui(z, 1000000007));
}

// A computation that builds its operands, calls squeeze() (which may take the
// memory away) and then runs the one call under test; it returns a digest of
// the result.
using Computation = std::string (*)(const std::function<void()>& squeeze);

struct LibraryCase {
  const char* name;
  Computation run;
};

const LibraryCase kLibraryCases[] = {
    {"GMP mpz_mul",
     [](const std::function<void()>& squeeze) {
       Mpz a, c;
       mpz_ui_pow_ui(a.v, 3, 1000000);
       squeeze();
       mpz_mul(c.v, a.v, a.v);
       return MpzDigest(c.v);
     }},
    // GMP frees the old limbs of a used result before it allocates the new ones.
    {"GMP mpz_mul into a used integer",
     [](const std::function<void()>& squeeze) {
       Mpz a, c;
       mpz_ui_pow_ui(a.v, 3, 1000000);
       mpz_set_ui(c.v, 12345);
       squeeze();
       mpz_mul(c.v, a.v, a.v);
       return MpzDigest(c.v);
     }},
    {"GMP mpz_get_str",
     [](const std::function<void()>& squeeze) {
       Mpz a;
       mpz_ui_pow_ui(a.v, 7, 300000);
       squeeze();
       char* s = mpz_get_str(nullptr, 10, a.v);
       std::string text(s);
       void (*freeFunction)(void*, size_t) = nullptr;
       mp_get_memory_functions(nullptr, nullptr, &freeFunction);
       freeFunction(s, text.size() + 1);
       return std::to_string(text.size()) + text.substr(0, 20);
     }},
    {"MPFR mpfr_const_pi",
     [](const std::function<void()>& squeeze) {
       Mpfr x(1 << 21);
       squeeze();
       mpfr_const_pi(x.v, MPFR_RNDN);
       mpfr_free_cache();
       return std::to_string(mpfr_get_d(x.v, MPFR_RNDN));
     }},
    {"MPFR mpfr_sqrt",
     [](const std::function<void()>& squeeze) {
       Mpfr x(1 << 21), y(1 << 21);
       mpfr_set_ui(x.v, 2, MPFR_RNDN);
       squeeze();
       mpfr_sqrt(y.v, x.v, MPFR_RNDN);
       mpfr_exp(y.v, y.v, MPFR_RNDN);
       return std::to_string(mpfr_get_d(y.v, MPFR_RNDN));
     }},
    {"FLINT fmpz_mat_mul",
     [](const std::function<void()>& squeeze) {
       FmpzMat a(30, 30), c(30, 30);
       for (slong i = 0; i < 30; ++i)
         for (slong j = 0; j < 30; ++j) {
           fmpz_set_ui(fmpz_mat_entry(a.m, i, j), static_cast<ulong>(3 + i + 7 * j));
           fmpz_pow_ui(fmpz_mat_entry(a.m, i, j), fmpz_mat_entry(a.m, i, j), 2000);
         }
       squeeze();
       fmpz_mat_mul(c.m, a.m, a.m);
       return std::to_string(fmpz_mat_max_bits(c.m)) + ":" + std::to_string(fmpz_fdiv_ui(fmpz_mat_entry(c.m, 3, 4), 1000003));
     }},
};

// The memory is taken away once the operands exist.
constexpr std::int64_t kSqueezed = 32 << 10;

// Inside a scope, as the program runs every computation: outside one, the
// temporaries an exception leaks in the libraries would stay.
std::string OutcomeOf(Computation run, bool squeezed) {
  std::unique_ptr<Budget> budget;
  const auto squeeze = [&] {
    if (squeezed) budget = std::make_unique<Budget>(kSqueezed);
  };
  zq::ComputationScope scope;
  try {
    return run(squeeze);
  } catch (const zq::zqOutOfMemoryException& e) {
    return std::string("<out of memory: ") + e.what() + ">";
  }
}

TEST(OutOfMemory, RaisesThroughTheLibrariesAndTheSameCallSucceedsAfterwards) {
  for (const LibraryCase& c : kLibraryCases) {
    SCOPED_TRACE(c.name);
    const std::string expected = OutcomeOf(c.run, false);
    ASSERT_EQ(expected.find("<out of memory"), std::string::npos) << expected;
    EXPECT_EQ(OutcomeOf(c.run, true), "<out of memory: not enough memory>");
    EXPECT_EQ(OutcomeOf(c.run, false), expected);
  }
}

TEST(OutOfMemory, IsABadAllocWithAnEnglishText) {
  const zq::zqOutOfMemoryException e;
  const std::bad_alloc& base = e;
  EXPECT_STREQ(base.what(), "not enough memory");
}

// The component's own operations, each on operands made before the memory
// goes: the failure is the out-of-memory class, never another class (which
// the actions would turn into "Bad entry"), and the rerun is right.
struct OperationCase {
  const char* name;
  std::function<std::string(const std::function<void()>& squeeze)> run;
};

std::vector<OperationCase> OperationCases() {
  using zq::BigFraction;
  using zq::BigMatrix;
  const std::string big = Digits(40000, 1), other = Digits(39000, 2);
  return {
      {"fraction product",
       [=](const auto& squeeze) {
         const BigFraction x(big + "/" + other), y(other + "/7");
         squeeze();
         return x.Operator_Multiply(y).Str().substr(0, 30);
       }},
      {"fraction quotient",
       [=](const auto& squeeze) {
         const BigFraction x(big + "/3"), y(other + "/11");
         squeeze();
         return x.Operator_Divide(y).Str().substr(0, 30);
       }},
      {"fraction text",
       [=](const auto& squeeze) {
         squeeze();
         return BigFraction(big + "e-40000").Str().substr(0, 30);
       }},
      {"exact text of a fraction",
       [=](const auto& squeeze) {
         const BigFraction x(big + "/" + other);
         squeeze();
         return std::to_string(x.Str().size());
       }},
      {"floating conversion at 100000 digits",
       [=](const auto& squeeze) {
         const std::int32_t before = zq::zqGetPrecision();
         zq::zqSetPrecision(zq::kMaxPrecision);
         std::string result;
         try {
           const BigFraction x(big + "/" + other);
           squeeze();
           result = zq::Str(zq::zqEquateBF_BFR(x));
         } catch (...) {
           zq::zqSetPrecision(before);
           throw;
         }
         zq::zqSetPrecision(before);
         return result;
       }},
      {"matrix text",
       [](const auto& squeeze) {
         const std::string text = MatrixText(20, 20, 300, 5);
         squeeze();
         return BigMatrix(text).GetElement(19, 19).Str().substr(0, 30);
       }},
      {"small determinant (fraction-free)",
       [](const auto& squeeze) {
         const BigMatrix a(MatrixText(12, 12, 400, 7));
         squeeze();
         return a.Det().Str().substr(0, 30);
       }},
      {"determinant by lifting",
       [](const auto& squeeze) {
         const BigMatrix a(MatrixText(30, 30, 40, 8));
         squeeze();
         return a.Det().Str().substr(0, 30);
       }},
      {"solve by lifting",
       [](const auto& squeeze) {
         const BigMatrix a(MatrixText(30, 30, 40, 9)), b(MatrixText(30, 2, 40, 10));
         squeeze();
         return a.Invert().Operator_Multiply(b).GetElement(29, 1).Str().substr(0, 30);
       }},
      {"reduced row echelon form",
       [](const auto& squeeze) {
         const BigMatrix a(MatrixText(30, 33, 40, 11));
         squeeze();
         return a.ReduceRowEchelon().GetElement(29, 32).Str().substr(0, 30);
       }},
      {"power",
       [](const auto& squeeze) {
         const BigFraction x("123456789/1000003");
         squeeze();
         return std::to_string(x.Operator_Power(60000).Str().size());
       }},
  };
}

TEST(OutOfMemory, EveryOperationRaisesTheOutOfMemoryClassAndIsRightAfterwards) {
  for (const OperationCase& c : OperationCases()) {
    SCOPED_TRACE(c.name);
    const auto outcome = [&](bool squeezed) {
      std::unique_ptr<Budget> budget;
      zq::ComputationScope scope;
      try {
        return c.run([&] {
          if (squeezed) budget = std::make_unique<Budget>(kSqueezed);
        });
      } catch (const zq::zqOutOfMemoryException&) {
        return std::string("<out of memory>");
      } catch (const std::exception& e) {
        return std::string("<other: ") + e.what() + ">";
      }
    };
    const std::string expected = outcome(false);
    ASSERT_EQ(expected.find('<'), std::string::npos) << expected;
    EXPECT_EQ(outcome(true), "<out of memory>");
    EXPECT_EQ(outcome(false), expected);
  }
}

// FLINT keeps freed integers in a cache that grows with flint_realloc, so
// clearing can allocate: in a destructor that must not throw, whatever the
// budget says.
TEST(OutOfMemory, DestructorsWithTheBudgetUsedUpDoNotThrow) {
  zq::ComputationScope scope;
  std::vector<zq::BigFraction> values;
  for (int i = 0; i < 5000; ++i) values.emplace_back(Digits(30, static_cast<unsigned>(i)) + "/7");
  const Budget none(0);
  values.clear();  // std::terminate if a clear threw
  EXPECT_THROW(zq::BigFraction(Digits(400, 1) + "/7"), zq::zqOutOfMemoryException);
}

// Under a real address-space limit malloc itself fails inside the libraries:
// outside a scope (no budget) that raises too, and inside one the budget
// refuses before the system does.
TEST(OutOfMemory, AnAddressSpaceLimitRaisesInsteadOfAborting) {
  if (ZQ_TEST_ASAN) GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit";
  for (const bool inScope : {false, true}) {
    SCOPED_TRACE(inScope ? "in a scope" : "outside a scope");
    const int status = InChildWithAddressSpaceRoom(std::int64_t{96} << 20, [inScope] {
      std::unique_ptr<zq::ComputationScope> scope;
      if (inScope) scope = std::make_unique<zq::ComputationScope>();
      bool ranOut = false;
      try {
        zq::BigFraction x("3/7");
        for (;;) x = x * x;
      } catch (const zq::zqOutOfMemoryException&) {
        ranOut = true;
      }
      // Usable afterwards.
      return ranOut && (zq::BigFraction("1/2") + zq::BigFraction("1/3")).Str() == "5/6";
    });
    EXPECT_EQ(status, 0);
  }
}

}  // namespace
