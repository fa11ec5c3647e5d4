// Fixed design of the arithmetic window, applied when it is built.
#pragma once

#include <array>

#include "framework/Design.h"

namespace WindowbfDesign {
extern const fw::WindowDesign Window;
// In creation order, which is also the tab order.
extern const std::array<fw::ControlDesign, 12> Controls;
}  // namespace WindowbfDesign
