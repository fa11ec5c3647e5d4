#include "shell/WindowHelp.h"

#include "shell/App.h"
#include "shell/TextWindowDesign.h"
#include "shell/texts/StoredText.h"

namespace {

const QString kClassPath = QStringLiteral("WindowHelp.WindowHelp");
const QString kAreaName = QStringLiteral("TextAreaHelp");

// The help text is the area's design text, so every new window starts from it.
text_window::Differences HelpDesign() {
  return {.width = 600, .height = 400, .title = QStringLiteral("Morvessa Help"), .areaName = kAreaName,
          .text = WindowHelp::StoredText(), .readOnly = false, .alignment = 0};  // the user may edit the help text in the window
}

}  // namespace

WindowHelp::WindowHelp() : fw::Window(kClassPath) {}

void WindowHelp::Layout() { _SetProperties(text_window::WindowDesign(HelpDesign())); }

void WindowHelp::CreateControls() { _CreateControls0(); }

void WindowHelp::_CreateControls0() {
  auto& area = __New<fw::TextArea>();
  area.Constructor();
  _AddControl(kAreaName, area);
  ControlAs<fw::TextArea>(kAreaName)._SetProperties(text_window::AreaDesign(HelpDesign()));
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
