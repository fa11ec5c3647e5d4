// Reading one-line matrix text (grammar in zq.h).
#pragma once

#include <memory>
#include <string_view>

#include "zq/Impl.h"

namespace zq::detail {

std::shared_ptr<BigMatrix::Impl> ReadMatrixText(std::string_view text);

}  // namespace zq::detail
