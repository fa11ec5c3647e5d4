#include "shell/WindowAbout.h"

#include "shell/App.h"
#include "shell/TextWindowDesign.h"
#include "shell/texts/StoredText.h"

namespace {

const QString kClassPath = QStringLiteral("WindowAbout.WindowAbout");
const QString kAreaName = QStringLiteral("TextAreaAbout");

// The about text is the area's design text; no code writes to the area.
text_window::Differences AboutDesign() {
  return {.width = 304, .height = 152, .title = QStringLiteral("About Morvessa"), .areaName = kAreaName,
          .text = WindowAbout::StoredText(), .readOnly = true, .alignment = 2};  // centred, read-only
}

}  // namespace

WindowAbout::WindowAbout() : fw::Window(kClassPath) {}

void WindowAbout::Layout() { _SetProperties(text_window::WindowDesign(AboutDesign())); }

void WindowAbout::CreateControls() { _CreateControls0(); }

void WindowAbout::_CreateControls0() {
  auto& area = __New<fw::TextArea>();
  area.Constructor();
  _AddControl(kAreaName, area);
  ControlAs<fw::TextArea>(kAreaName)._SetProperties(text_window::AreaDesign(AboutDesign()));
}

fw::TextArea& WindowAbout::TextAreaAbout() const { return ControlAs<fw::TextArea>(kAreaName); }

QString WindowAbout::StoredText() { return ReadStoredText(QStringLiteral("about.txt")); }

::WindowAbout& get::WindowAbout() { return fw::ImplicitWindow<::WindowAbout>(kClassPath); }

bool App::_AboutItem_Action() {
  get::WindowAbout().Show();
  return true;
}
