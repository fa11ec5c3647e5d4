// What the process can still get from the system.
#pragma once

#include <cstdint>

namespace zq::detail {

// The least of: the address-space limit minus the present address-space size,
// the available memory of the machine, and what the cgroup allows beyond its
// present usage; less a reserve that lets the program show its message and go
// on. Reads /proc and /sys: call it once per computation, not per allocation.
std::int64_t SystemHeadroom();

}  // namespace zq::detail
