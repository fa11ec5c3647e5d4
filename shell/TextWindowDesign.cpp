#include "shell/TextWindowDesign.h"

namespace text_window {

namespace {
constexpr int kMargin = 20;
}

fw::WindowDesign WindowDesign(const Differences& d) {
  return fw::WindowDesign{
      .Width = d.width, .Height = d.height,
      .MinWidth = 64, .MinHeight = 64, .MaxWidth = 32000, .MaxHeight = 32000,
      .Frame = 0, .Title = d.title,
      .CloseButton = true, .Resizeable = true, .MaximizeButton = true, .MinimizeButton = true,
      .FullScreenButton = false, .Composite = false, .MacProcID = 0,
      .Placement = 2,  // centred
      .Visible = true, .LiveResize = true, .FullScreen = false, .MenuBarVisible = true,
      .HasBackColor = false, .BackColor = 0xFFFFFF00,
  };
}

fw::ControlDesign AreaDesign(const Differences& d) {
  return fw::ControlDesign{
      .Name = d.areaName, .Class = fw::ControlClass::TextArea,
      .Left = kMargin, .Top = kMargin, .Width = d.width - 2 * kMargin, .Height = d.height - 2 * kMargin,
      .TabIndex = 0,
      .Text = d.text,
      .LockLeft = true, .LockTop = true, .LockRight = true, .LockBottom = true,
      .ReadOnly = d.readOnly,
      .Alignment = d.alignment,
      .ScrollbarHorizontal = false,  // so the long lines wrap
      .ScrollbarVertical = true,
      .AcceptTabs = false,
      .Multiline = true, .Enabled = true, .Visible = true, .Border = true,
      .TextFont = QStringLiteral("System"), .TextSize = 0,
      .Bold = false, .Italic = false, .Underline = false,
      .AccessibleLabel = {},
  };
}

}  // namespace text_window
