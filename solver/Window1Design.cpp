#include "solver/Window1Design.h"

using fw::ControlClass;

const fw::WindowDesign Window1Design::Window = {
    .Width = 725,
    .Height = 727,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 32000,
    .MaxHeight = 32000,
    .Frame = 0,
    .Title = QStringLiteral("Morvessa"),
    .CloseButton = true,
    .Resizeable = true,
    .MaximizeButton = true,
    .MinimizeButton = true,
    .FullScreenButton = false,
    .Composite = false,
    .MacProcID = 0,
    .Placement = 0,
    .Visible = true,
    .LiveResize = true,
    .FullScreen = false,
    .MenuBarVisible = true,
    .HasBackColor = false,
    .BackColor = 0xFFFFFF00,
};

// Every control is locked left and top only: resizing the window moves and
// stretches none of them. Each text area is named for screen readers by the
// label that describes it.
const std::array<fw::ControlDesign, 7> Window1Design::Controls = {{
    {.Name = QStringLiteral("Label1"), .Class = ControlClass::Label,
     .Left = 20, .Top = 20, .Width = 128, .Height = 23, .TabIndex = 0,
     .Text = QStringLiteral("Coefficient matrix:"), .Multiline = false, .AccessibleLabel = QString()},
    {.Name = QStringLiteral("TextAreacm"), .Class = ControlClass::TextArea,
     .Left = 20, .Top = 55, .Width = 403, .Height = 293, .TabIndex = 1,
     .Text = QString(), .AccessibleLabel = QStringLiteral("Label1")},
    {.Name = QStringLiteral("Label2"), .Class = ControlClass::Label,
     .Left = 435, .Top = 21, .Width = 187, .Height = 20, .TabIndex = 2,
     .Text = QStringLiteral("r.h.s. vector or matrix:"), .Multiline = false, .AccessibleLabel = QString()},
    {.Name = QStringLiteral("TextArearhs"), .Class = ControlClass::TextArea,
     .Left = 435, .Top = 55, .Width = 270, .Height = 293, .TabIndex = 3,
     .Text = QString(), .AccessibleLabel = QStringLiteral("Label2")},
    {.Name = QStringLiteral("PushButton1"), .Class = ControlClass::PushButton,
     .Left = 299, .Top = 370, .Width = 80, .Height = 20, .TabIndex = 4,
     .Text = QStringLiteral("Solve"), .AccessibleLabel = QString()},
    {.Name = QStringLiteral("TextAreasol"), .Class = ControlClass::TextArea,
     .Left = 20, .Top = 414, .Width = 685, .Height = 293, .TabIndex = 5,
     .Text = QString(), .AccessibleLabel = QStringLiteral("Label3")},
    {.Name = QStringLiteral("Label3"), .Class = ControlClass::Label,
     .Left = 20, .Top = 382, .Width = 100, .Height = 20, .TabIndex = 6,
     .Text = QStringLiteral("Solution:"), .Multiline = false, .AccessibleLabel = QString()},
}};
