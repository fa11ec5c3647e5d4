// A window built like the program's windows (design data + control table),
// recording the events the framework raises on it.
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <stdexcept>

#include "framework/Framework.h"

namespace probe {

inline const fw::WindowDesign kDesign{.Width = 600, .Height = 400, .Title = "floating point output", .Placement = 2};

inline const fw::ControlDesign kControls[] = {
    {.Name = "PushButton1", .Class = fw::ControlClass::PushButton, .Left = 81, .Top = 20, .Width = 106, .Height = 20,
     .TabIndex = 2, .Text = "Set DecPrec"},
    {.Name = "Label1", .Class = fw::ControlClass::Label, .Left = 20, .Top = 20, .Width = 50, .Height = 20,
     .TabIndex = 3, .Text = "Digits:"},
    {.Name = "TextFieldDecPrec", .Class = fw::ControlClass::TextField, .Left = 199, .Top = 19, .Width = 80,
     .Height = 22, .TabIndex = 0, .Alignment = 2, .AccessibleLabel = "Label1"},
    {.Name = "TextAreazq", .Class = fw::ControlClass::TextArea, .Left = 20, .Top = 53, .Width = 560, .Height = 332,
     .TabIndex = 1, .LockRight = true, .LockBottom = true},
    {.Name = "Corner", .Class = fw::ControlClass::PushButton, .Left = 500, .Top = 360, .Width = 80, .Height = 20,
     .TabIndex = 4, .Text = "Corner", .LockLeft = false, .LockTop = false, .LockRight = true, .LockBottom = true},
};

struct Log {
  static QStringList& events() {
    static QStringList e;
    return e;
  }
  static bool& failOpen() {
    static bool f = false;
    return f;
  }
};

class ProbeWindow : public fw::Window {
 public:
  static constexpr const char* kClassPath = "ProbeWindow.ProbeWindow";
  ProbeWindow() : fw::Window(kClassPath) {}
  void Layout() override {
    Log::events() << "Layout";
    _SetProperties(kDesign);
  }
  void CreateControls() override {
    Log::events() << "CreateControls";
    for (const fw::ControlDesign& d : kControls) _NewControl(d);
  }
  void Event_Open() override {
    Log::events() << (_ControlByName("TextAreazq") ? "Open with controls" : "Open without controls");
    if (Log::failOpen()) throw std::runtime_error("open failed");
  }
  void Event_Close() override { Log::events() << "Close"; }

  fw::TextArea& TextAreazq() { return ControlAs<fw::TextArea>("TextAreazq"); }
  fw::PushButton& PushButton1() { return ControlAs<fw::PushButton>("PushButton1"); }
};

inline ProbeWindow& Get() { return fw::ImplicitWindow<ProbeWindow>(ProbeWindow::kClassPath); }

// A second window class, to see the application's menu bar on every window.
class OtherWindow : public fw::Window {
 public:
  static constexpr const char* kClassPath = "OtherWindow.OtherWindow";
  OtherWindow() : fw::Window(kClassPath) {}
  void Layout() override { _SetProperties({.Width = 300, .Height = 200, .Title = "other"}); }
};

}  // namespace probe
