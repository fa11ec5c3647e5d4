#include "shell/WindowAbout.h"

#include "shell/App.h"
#include "shell/texts/StoredText.h"

namespace {

const QString kClassPath = QStringLiteral("WindowAbout.WindowAbout");
const QString kAreaName = QStringLiteral("TextAreaAbout");

const fw::WindowDesign& AboutWindowDesign() {
  static const fw::WindowDesign design{
      .Width = 304, .Height = 152,
      .MinWidth = 64, .MinHeight = 64, .MaxWidth = 32000, .MaxHeight = 32000,
      .Frame = 0, .Title = QStringLiteral("About Morvessa"),
      .CloseButton = true, .Resizeable = true, .MaximizeButton = true, .MinimizeButton = true,
      .FullScreenButton = false, .Composite = false, .MacProcID = 0,
      .Placement = 2,  // centred
      .Visible = true, .LiveResize = true, .FullScreen = false, .MenuBarVisible = true,
      .HasBackColor = false, .BackColor = 0xFFFFFF00,
  };
  return design;
}

// The about text is the area's design text; no code writes to the area.
fw::ControlDesign AboutAreaDesign() {
  return fw::ControlDesign{
      .Name = kAreaName, .Class = fw::ControlClass::TextArea,
      .Left = 20, .Top = 20, .Width = 264, .Height = 112, .TabIndex = 0,
      .Text = WindowAbout::StoredText(),
      .LockLeft = true, .LockTop = true, .LockRight = true, .LockBottom = true,
      .ReadOnly = true,
      .Alignment = 2,  // centred
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

WindowAbout::WindowAbout() : fw::Window(kClassPath) {}

void WindowAbout::Layout() { _SetProperties(AboutWindowDesign()); }

void WindowAbout::CreateControls() { _CreateControls0(); }

void WindowAbout::_CreateControls0() {
  auto& area = __New<fw::TextArea>();
  area.Constructor();
  _AddControl(kAreaName, area);
  ControlAs<fw::TextArea>(kAreaName)._SetProperties(AboutAreaDesign());
}

fw::TextArea& WindowAbout::TextAreaAbout() const { return ControlAs<fw::TextArea>(kAreaName); }

QString WindowAbout::StoredText() { return ReadStoredText(QStringLiteral("about.txt")); }

::WindowAbout& get::WindowAbout() { return fw::ImplicitWindow<::WindowAbout>(kClassPath); }

bool App::_AboutItem_Action() {
  get::WindowAbout().Show();
  return true;
}
