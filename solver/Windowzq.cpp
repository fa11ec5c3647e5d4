#include "solver/Windowzq.h"

#include <cstdint>
#include <limits>

#include "shell/App.h"
#include "solver/WindowzqDesign.h"
#include "zq/zq.h"

namespace {

constexpr std::int32_t OpenDigits = 15;
constexpr std::int32_t SmallestDigits = 2;

// The working precision is four times the output digits. Past a quarter of
// the int32 range the product would overflow, so it saturates and the
// arithmetic component applies its own ceiling.
std::int32_t WorkingPrecisionFor(std::int32_t digits) {
  constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
  return digits > largest / 4 ? largest : 4 * digits;
}

}  // namespace

Windowzq::Windowzq() : fw::Window(QString::fromLatin1(ClassPathName)) {}

void Windowzq::Layout() { _SetProperties(WindowzqDesign::Window); }

void Windowzq::CreateControls() { _CreateControls0(); }

template <class C>
C& Windowzq::MakeControl(const fw::ControlDesign& design) {
  _AddControl(design.Name, __New<C>());
  C& control = ControlAs<C>(design.Name);
  control._SetProperties(design);
  return control;
}

void Windowzq::_CreateControls0() {
  using WindowzqDesign::Controls;
  // The button's action is bound before the next control is made.
  MakeControl<fw::PushButton>(Controls[WindowzqDesign::PushButton1])
      .AddActionHandler([this](fw::PushButton& button) { PushButton1_Action(button); });
  MakeControl<fw::TextField>(Controls[WindowzqDesign::TextFieldDecPrec]);
  MakeControl<fw::TextArea>(Controls[WindowzqDesign::TextAreazq]);
}

fw::PushButton& Windowzq::PushButton1() const { return ControlAs<fw::PushButton>(QStringLiteral("PushButton1")); }

fw::TextField& Windowzq::TextFieldDecPrec() const {
  return ControlAs<fw::TextField>(QStringLiteral("TextFieldDecPrec"));
}

fw::TextArea& Windowzq::TextAreazq() const { return ControlAs<fw::TextArea>(QStringLiteral("TextAreazq")); }

void Windowzq::PushButton1_Action(fw::PushButton&) {
  const double typed = fw::CDbl(TextFieldDecPrec().Text());
  std::int32_t digits = fw::RuntimeCvtReal64ToSInt32(typed);
  if (digits < SmallestDigits) digits = SmallestDigits;
  zq::zqSetPrecision(WorkingPrecisionFor(digits));
  zq::zqSetOutputPrecision(digits);
  TextFieldDecPrec().SetText(fw::Str(digits));
  // The text shown stays as it is: the next Solve uses the new digits.
}

void Windowzq::Event_Open() {
  TextAreazq().SetSelTextFont(QStringLiteral("Courier"));
  TextAreazq().SetSelTextSize(16.0f);
  zq::zqSetPrecision(WorkingPrecisionFor(OpenDigits));
  zq::zqSetOutputPrecision(OpenDigits);
  TextFieldDecPrec().SetText(fw::Str(OpenDigits));
}

// The precisions stay as the user left them; only the flag records that the
// window is no longer open.
void Windowzq::Event_Close() { get::App().WindowzqOpen = false; }

::Windowzq& get::Windowzq() { return fw::ImplicitWindow<::Windowzq>(QString::fromLatin1(::Windowzq::ClassPathName)); }

bool App::_WindowWindowzq_Action() {
  ::Windowzq& window = get::Windowzq();
  window.Show();
  WindowzqOpen = true;
  return true;
}
