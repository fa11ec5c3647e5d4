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

// GCC rejects a global namespace named get beside Qt's hidden friends of that
// name; declared first inside an inline namespace, get::X() works unchanged
// (the same arrangement as shell/App.h).
#if defined(__GNUC__) && !defined(__clang__)
inline namespace morvessa {
namespace get {}
}  // namespace morvessa
#endif

namespace get {
// The one floating-point output window, built (and opened) when none exists.
::Windowzq& Windowzq();
}  // namespace get
