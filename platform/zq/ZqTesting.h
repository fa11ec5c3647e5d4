// Hooks for tests and benchmarks into the component's memory accounting. The
// program itself never includes this header.
#pragma once

#include <cstdint>

#include "zq/zq.h"

namespace zq::testing {

// From now on the component's live bytes may grow by at most `bytes`: beyond
// that its allocations fail with zqOutOfMemoryException and its estimates
// refuse, as when memory runs out (a way that also works under ASan, which
// cannot run with an address-space limit).
ZQ_API void SetMemoryBudget(std::int64_t bytes);
ZQ_API void ClearMemoryBudget();

// The bytes the component holds now (allocator blocks, headers included),
// and the most it held since the last reset.
ZQ_API std::int64_t LiveBytes();
ZQ_API std::int64_t PeakLiveBytes();
ZQ_API void ResetPeakLiveBytes();

// What the component may still take now (see the scope's and the test's budget).
ZQ_API std::int64_t AvailableBytes();

}  // namespace zq::testing
