// Fixed design of the floating-point output window: the window and its three
// controls, in creation (and tab) order.
#pragma once

#include <array>

#include "framework/Design.h"

namespace WindowzqDesign {

extern const fw::WindowDesign Window;

enum ControlIndex : std::size_t { PushButton1, TextFieldDecPrec, TextAreazq };
extern const std::array<fw::ControlDesign, 3> Controls;

}  // namespace WindowzqDesign
