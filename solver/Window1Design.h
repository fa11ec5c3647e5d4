// Fixed design of the main window: the window and its seven controls, in
// creation (and tab) order.
#pragma once

#include <array>
#include <cstddef>

#include "framework/Design.h"

namespace Window1Design {

extern const fw::WindowDesign Window;

enum ControlIndex : std::size_t { Label1, TextAreacm, Label2, TextArearhs, PushButton1, TextAreasol, Label3 };
extern const std::array<fw::ControlDesign, 7> Controls;

}  // namespace Window1Design
