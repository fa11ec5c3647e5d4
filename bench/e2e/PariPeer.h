// PARI/GP as the peer: matsolve plus matdet on the same matrix, one thread.
#pragma once

#include <optional>

#include "Cases.h"

namespace bench {

struct PariFigures {
  double seconds = 0;  // median of matsolve + matdet (gp's own wall clock)
  double peakMiB = 0;  // gp's whole peak resident set
};

bool PariAvailable();
// For the singular R cases matsolve cannot run: matdet plus matinverseimage
// (one solution of the consistent system) stand in for it.
std::optional<PariFigures> RunPari(const Case& c, int reps);

}  // namespace bench
