#include "solver/WindowzqDesign.h"

namespace WindowzqDesign {

const fw::WindowDesign Window{
    .Width = 600,
    .Height = 400,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 32000,
    .MaxHeight = 32000,
    .Frame = 0,
    .Title = QStringLiteral("floating point output"),
    .CloseButton = true,
    .Resizeable = true,
    .MaximizeButton = true,
    .MinimizeButton = true,
    .FullScreenButton = false,
    .Composite = false,
    .MacProcID = 0,
    .Placement = 2,  // centred
    .Visible = true,
    .LiveResize = true,
    .FullScreen = false,
    .MenuBarVisible = true,
    .HasBackColor = false,
    .BackColor = 0xFFFFFF00,
};

const std::array<fw::ControlDesign, 3> Controls{{
    {
        .Name = QStringLiteral("PushButton1"),
        .Class = fw::ControlClass::PushButton,
        .Left = 81, .Top = 20, .Width = 106, .Height = 20,
        .TabIndex = 0,
        .Text = QStringLiteral("Set DecPrec"),
        .AccessibleLabel = QString(),
    },
    {
        .Name = QStringLiteral("TextFieldDecPrec"),
        .Class = fw::ControlClass::TextField,
        .Left = 199, .Top = 19, .Width = 80, .Height = 22,
        .TabIndex = 1,
        .Text = QString(),  // the Open event writes the digit count
        .Alignment = 2,     // centred
        .AccessibleLabel = QString(),
    },
    {
        .Name = QStringLiteral("TextAreazq"),
        .Class = fw::ControlClass::TextArea,
        .Left = 20, .Top = 53, .Width = 560, .Height = 332,
        .TabIndex = 2,
        .Text = QString(),
        // Grows with the window, keeping its margins.
        .LockLeft = true, .LockTop = true, .LockRight = true, .LockBottom = true,
        .ReadOnly = false,  // the user may edit the result text
        .Alignment = 0,
        .ScrollbarHorizontal = true,
        .ScrollbarVertical = true,
        .AccessibleLabel = QString(),
    },
}};

}  // namespace WindowzqDesign
