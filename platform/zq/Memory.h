// The component's own memory functions for GMP, MPFR and FLINT: they count the
// component's live bytes, hold it to a budget and throw zqOutOfMemoryException
// instead of aborting (see Memory.cpp).
#pragma once

#include <cstdint>

namespace zq::detail {

// While one lives on a thread, the component's allocations there never throw:
// they may go beyond the budget, and a refused one falls back on the
// emergency reserve. For the clears in destructors, which can allocate
// (FLINT's integer cache grows with flint_realloc).
class NoThrowAllocations {
 public:
  NoThrowAllocations() noexcept;
  ~NoThrowAllocations();
  NoThrowAllocations(const NoThrowAllocations&) = delete;
  NoThrowAllocations& operator=(const NoThrowAllocations&) = delete;
};

// Bytes the component may still take: what is left of the budget of the open
// computation scope (or of a test budget), else what the process can get now.
std::int64_t AvailableBytes();

// Throws zqOutOfMemoryException at once when a computation needs more than
// AvailableBytes().
void RefuseUnlessAvailable(double neededBytes);

}  // namespace zq::detail
