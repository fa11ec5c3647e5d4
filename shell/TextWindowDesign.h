#pragma once
// The help and about windows share one design, a window holding one text area
// with 20-point margins; they differ only in the values below.
#include <QString>

#include "framework/Design.h"

namespace text_window {

struct Differences {
  int width, height;  // of the window
  QString title;
  QString areaName;
  QString text;
  bool readOnly;
  int alignment;  // 0 left, 2 centred
};

fw::WindowDesign WindowDesign(const Differences& d);
fw::ControlDesign AreaDesign(const Differences& d);

}  // namespace text_window
