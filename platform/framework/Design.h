// Fixed design data of windows and controls, kept as data beside each window
// class and applied by _SetProperties.
#pragma once

#include <QString>
#include <cstdint>

namespace fw {

struct WindowDesign {
  int Width = 0, Height = 0;  // the content area, below the menu bar
  int MinWidth = 64, MinHeight = 64, MaxWidth = 32000, MaxHeight = 32000;
  int Frame = 0;
  QString Title{};
  bool CloseButton = true, Resizeable = true, MaximizeButton = true, MinimizeButton = true;
  bool FullScreenButton = false, Composite = false;
  int MacProcID = 0;
  int Placement = 0;  // 0: window manager decides; 2: centred on screen (or parent)
  bool Visible = true, LiveResize = true, FullScreen = false, MenuBarVisible = true;
  bool HasBackColor = false;
  std::uint32_t BackColor = 0xFFFFFF00;  // bytes R G B, then one unused
};

enum class ControlClass { Label, TextArea, TextField, PushButton };

struct ControlDesign {
  QString Name{};
  ControlClass Class = ControlClass::Label;
  int Left = 0, Top = 0, Width = 0, Height = 0, TabIndex = 0;
  QString Text{};  // label text, button caption, initial text of an area/field
  bool LockLeft = true, LockTop = true, LockRight = false, LockBottom = false;
  bool ReadOnly = false;
  int Alignment = 0;  // 0 default (left), 1 left, 2 centre, 3 right
  bool ScrollbarHorizontal = true, ScrollbarVertical = true;  // TextArea: no horizontal bar => word wrap
  bool AcceptTabs = false;  // false: Tab moves the focus
  bool Multiline = true, Enabled = true, Visible = true, Border = true;
  QString TextFont = "System";
  double TextSize = 0;
  bool Bold = false, Italic = false, Underline = false;
  QString AccessibleLabel{};  // optional: Name of the Label that describes this area/field
};

}  // namespace fw
