#include <flint/flint.h>
#include <mpfr.h>

#include "zq/zq.h"

namespace zq {
ComputationScope::ComputationScope() = default;
// The thread's library caches go with the computation.
ComputationScope::~ComputationScope() {
  flint_cleanup();
  mpfr_free_cache();
}
}  // namespace zq
