#include "shell/WindowHelp.h"

#include "shell/App.h"
#include "shell/texts/StoredText.h"

namespace {

const QString kClassPath = QStringLiteral("WindowHelp.WindowHelp");
const QString kAreaName = QStringLiteral("TextAreaHelp");

const fw::WindowDesign& HelpWindowDesign() {
  static const fw::WindowDesign design{
      .Width = 600, .Height = 400,
      .MinWidth = 64, .MinHeight = 64, .MaxWidth = 32000, .MaxHeight = 32000,
      .Frame = 0, .Title = QStringLiteral("Morvessa Help"),
      .CloseButton = true, .Resizeable = true, .MaximizeButton = true, .MinimizeButton = true,
      .FullScreenButton = false, .Composite = false, .MacProcID = 0,
      .Placement = 2,  // centred
      .Visible = true, .LiveResize = true, .FullScreen = false, .MenuBarVisible = true,
      .HasBackColor = false, .BackColor = 0xFFFFFF00,
  };
  return design;
}

// The help text is the area's design text, so every new window starts from it.
fw::ControlDesign HelpAreaDesign() {
  return fw::ControlDesign{
      .Name = kAreaName, .Class = fw::ControlClass::TextArea,
      .Left = 20, .Top = 20, .Width = 560, .Height = 360, .TabIndex = 0,
      .Text = WindowHelp::StoredText(),
      .LockLeft = true, .LockTop = true, .LockRight = true, .LockBottom = true,
      .ReadOnly = false,  // the user may edit the help text in the window
      .Alignment = 0,  // left
      .ScrollbarHorizontal = false,  // so the long lines wrap
      .ScrollbarVertical = true,
      .AcceptTabs = false,
      .Multiline = true, .Enabled = true, .Visible = true, .Border = true,
      .TextFont = QStringLiteral("System"), .TextSize = 0,
      .Bold = false, .Italic = false, .Underline = false,
      .AccessibleLabel = {},
  };
}

}  // namespace

WindowHelp::WindowHelp() : fw::Window(kClassPath) {}

void WindowHelp::Layout() { _SetProperties(HelpWindowDesign()); }

void WindowHelp::CreateControls() { _CreateControls0(); }

void WindowHelp::_CreateControls0() {
  auto& area = __New<fw::TextArea>();
  area.Constructor();
  _AddControl(kAreaName, area);
  ControlAs<fw::TextArea>(kAreaName)._SetProperties(HelpAreaDesign());
}

fw::TextArea& WindowHelp::TextAreaHelp() const { return ControlAs<fw::TextArea>(kAreaName); }

void WindowHelp::Event_Open() {
  TextAreaHelp().SetSelTextFont(QStringLiteral("Courier"));
  TextAreaHelp().SetSelTextSize(16.0f);
}

QString WindowHelp::StoredText() { return ReadStoredText(QStringLiteral("help.txt")); }

::WindowHelp& get::WindowHelp() { return fw::ImplicitWindow<::WindowHelp>(kClassPath); }

bool App::_HelpItem_Action() {
  get::WindowHelp().Show();
  return true;
}
