// The floating-point output window: shows the latest Solve result in floating
// point and holds the digit count d (output digits d, working precision 4·d).
#pragma once

#include "framework/Framework.h"

class Windowzq : public fw::Window {
 public:
  static constexpr const char* ClassPathName = "Windowzq.Windowzq";

  Windowzq();

  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();

  fw::PushButton& PushButton1() const;
  fw::TextField& TextFieldDecPrec() const;
  fw::TextArea& TextAreazq() const;

  // "Set DecPrec".
  void PushButton1_Action(fw::PushButton& button);

  void Event_Open() override;
  void Event_Close() override;

 private:
  template <class C>
  C& MakeControl(const fw::ControlDesign& design);
};

// Qt 6 declares hidden friend templates named get in the global namespace,
// which compilers will not have beside a global namespace get; inside an
// inline namespace, get::Windowzq() works unchanged.
inline namespace morvessa {
namespace get {
// The one floating-point output window, built (and opened) when none exists.
::Windowzq& Windowzq();
}  // namespace get
}  // namespace morvessa
