#include "zq/zq.h"
namespace zq {
ComputationScope::ComputationScope() = default;
ComputationScope::~ComputationScope() = default;
}  // namespace zq
