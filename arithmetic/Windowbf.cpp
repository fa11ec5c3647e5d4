#include "arithmetic/Windowbf.h"

#include "arithmetic/WindowbfDesign.h"
#include "shell/App.h"

namespace {
const QString kClassPath = QStringLiteral("Windowbf.Windowbf");

using ButtonAction = void (Windowbf::*)(fw::PushButton&);
struct ButtonBinding {
  const char* name;
  ButtonAction action;
};
// Each button calls the action of the same number.
constexpr ButtonBinding kButtonBindings[] = {
    {"PushButton1", &Windowbf::PushButton1_Action}, {"PushButton2", &Windowbf::PushButton2_Action},
    {"PushButton3", &Windowbf::PushButton3_Action}, {"PushButton4", &Windowbf::PushButton4_Action},
    {"PushButton5", &Windowbf::PushButton5_Action}, {"PushButton6", &Windowbf::PushButton6_Action},
};
}  // namespace

Windowbf::Windowbf() : fw::Window(kClassPath) {}

void Windowbf::Layout() { _SetProperties(WindowbfDesign::Window); }

void Windowbf::CreateControls() { _CreateControls0(); }

void Windowbf::_CreateControls0() {
  for (const fw::ControlDesign& d : WindowbfDesign::Controls) {
    switch (d.Class) {
      case fw::ControlClass::Label:
        _AddControl(d.Name, __New<fw::Label>());
        ControlAs<fw::Label>(d.Name)._SetProperties(d);
        break;
      case fw::ControlClass::TextArea:
        _AddControl(d.Name, __New<fw::TextArea>());
        ControlAs<fw::TextArea>(d.Name)._SetProperties(d);
        break;
      case fw::ControlClass::PushButton:
        _AddControl(d.Name, __New<fw::PushButton>());
        ControlAs<fw::PushButton>(d.Name)._SetProperties(d);
        // Bind right away, before the next control is made.
        for (const ButtonBinding& b : kButtonBindings) {
          if (d.Name == QLatin1String(b.name)) {
            ControlAs<fw::PushButton>(d.Name).AddActionHandler(
                [this, action = b.action](fw::PushButton& clicked) { (this->*action)(clicked); });
          }
        }
        break;
      case fw::ControlClass::TextField:
        // This window has none.
        break;
    }
  }
}

fw::Label& Windowbf::Label1() const { return ControlAs<fw::Label>("Label1"); }
fw::TextArea& Windowbf::TextAreax() const { return ControlAs<fw::TextArea>("TextAreax"); }
fw::Label& Windowbf::Label2() const { return ControlAs<fw::Label>("Label2"); }
fw::TextArea& Windowbf::TextAreay() const { return ControlAs<fw::TextArea>("TextAreay"); }
fw::PushButton& Windowbf::PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }
fw::TextArea& Windowbf::TextAreaz() const { return ControlAs<fw::TextArea>("TextAreaz"); }
fw::Label& Windowbf::Label3() const { return ControlAs<fw::Label>("Label3"); }
fw::PushButton& Windowbf::PushButton2() const { return ControlAs<fw::PushButton>("PushButton2"); }
fw::PushButton& Windowbf::PushButton3() const { return ControlAs<fw::PushButton>("PushButton3"); }
fw::PushButton& Windowbf::PushButton4() const { return ControlAs<fw::PushButton>("PushButton4"); }
fw::PushButton& Windowbf::PushButton5() const { return ControlAs<fw::PushButton>("PushButton5"); }
fw::PushButton& Windowbf::PushButton6() const { return ControlAs<fw::PushButton>("PushButton6"); }

void Windowbf::Event_Open() {
  // Fixed-pitch digits line up; the areas open empty.
  for (fw::TextArea* area : {&TextAreax(), &TextAreay(), &TextAreaz()}) {
    area->SetSelTextFont("Courier");
    area->SetSelTextSize(16.0f);
  }
}

Windowbf& get::Windowbf() { return fw::ImplicitWindow<::Windowbf>(kClassPath); }

bool App::_bfItem_Action() {
  ::Windowbf& w = get::Windowbf();
  w.Show();  // an existing window comes to the front with its texts unchanged
  return true;
}
