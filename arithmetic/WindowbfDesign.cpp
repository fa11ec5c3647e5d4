#include "arithmetic/WindowbfDesign.h"

namespace WindowbfDesign {

const fw::WindowDesign Window{
    .Width = 543, .Height = 487,
    .MinWidth = 64, .MinHeight = 64, .MaxWidth = 32000, .MaxHeight = 32000,
    .Frame = 0, .Title = "Do Arithmetic",
    .CloseButton = true, .Resizeable = true, .MaximizeButton = true, .MinimizeButton = true,
    .FullScreenButton = false, .Composite = false, .MacProcID = 0,
    .Placement = 2,  // centred
    .Visible = true, .LiveResize = true, .FullScreen = false, .MenuBarVisible = true,
    .HasBackColor = false, .BackColor = 0xFFFFFF00,
};

namespace {

// Every control is pinned to the left and top edges (the design's default), so
// resizing the window moves and stretches nothing.
fw::ControlDesign placed(const char* name, fw::ControlClass cls, int left, int top, int width,
                         int height, int tab, const char* text) {
  fw::ControlDesign d{};
  d.Name = name;
  d.Class = cls;
  d.Left = left;
  d.Top = top;
  d.Width = width;
  d.Height = height;
  d.TabIndex = tab;
  d.Text = text;
  return d;
}

fw::ControlDesign label(const char* name, int left, int top, int width, int height, int tab,
                        const char* text) {
  fw::ControlDesign d = placed(name, fw::ControlClass::Label, left, top, width, height, tab, text);
  d.Multiline = false;
  d.Border = false;
  return d;
}

// The operand and result areas: all three editable, no wrapping, Tab moves the
// focus; each is named for screen readers by the label beside it.
fw::ControlDesign area(const char* name, int left, int top, int tab, const char* labelName) {
  fw::ControlDesign d = placed(name, fw::ControlClass::TextArea, left, top, 239, 151, tab, "");
  d.ReadOnly = false;
  d.ScrollbarHorizontal = true;
  d.ScrollbarVertical = true;
  d.AcceptTabs = false;
  d.Multiline = true;
  d.Border = true;
  d.AccessibleLabel = labelName;
  return d;
}

fw::ControlDesign button(const char* name, int left, int top, int tab, const char* caption) {
  return placed(name, fw::ControlClass::PushButton, left, top, 80, 20, tab, caption);
}

}  // namespace

const std::array<fw::ControlDesign, 12> Controls{
    label("Label1", 20, 20, 100, 20, 0, "x:"),
    area("TextAreax", 20, 52, 1, "Label1"),
    label("Label2", 284, 16, 100, 28, 2, "y:"),
    area("TextAreay", 284, 52, 3, "Label2"),
    button("PushButton1", 70, 226, 4, "Add"),
    area("TextAreaz", 132, 316, 5, "Label3"),
    label("Label3", 132, 284, 100, 20, 6, "z ="),
    // Second row: "Sqr" under "Sub", "x^y" under "Mul".
    button("PushButton2", 162, 226, 7, "Sub"),
    button("PushButton3", 254, 226, 8, "Mul"),
    button("PushButton4", 346, 226, 9, "Div"),
    button("PushButton5", 162, 258, 10, "Sqr"),
    button("PushButton6", 254, 258, 11, "x^y"),
};

}  // namespace WindowbfDesign
