// The arithmetic window: two operand areas x and y, a result area z and six
// buttons that combine x and y exactly as fractions.
#pragma once

#include <optional>
#include <variant>

#include "framework/Framework.h"
#include "zq/zq.h"

class Windowbf : public fw::Window {
 public:
  Windowbf();

  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();

  // Controls, in creation order; each looks itself up by Name.
  fw::Label& Label1() const;
  fw::TextArea& TextAreax() const;
  fw::Label& Label2() const;
  fw::TextArea& TextAreay() const;
  fw::PushButton& PushButton1() const;
  fw::TextArea& TextAreaz() const;
  fw::Label& Label3() const;
  fw::PushButton& PushButton2() const;
  fw::PushButton& PushButton3() const;
  fw::PushButton& PushButton4() const;
  fw::PushButton& PushButton5() const;
  fw::PushButton& PushButton6() const;

  // Button actions: Add, Sub, Mul, Div, Sqr, x^y.
  void PushButton1_Action(fw::PushButton& button);
  void PushButton2_Action(fw::PushButton& button);
  void PushButton3_Action(fw::PushButton& button);
  void PushButton4_Action(fw::PushButton& button);
  void PushButton5_Action(fw::PushButton& button);
  void PushButton6_Action(fw::PushButton& button);

  void Event_Open() override;

  // What one button's operation gives: z, or the message that ends the
  // action without a result.
  using Outcome = std::variant<zq::BigFraction, QString>;
  using Operation = Outcome (*)(const zq::BigFraction& x, const zq::BigFraction& y);

 private:
  // Reads x, then y, applies op to them and writes z last; every failure
  // becomes one message box and leaves z as it was. The arithmetic runs off
  // the user-interface thread.
  void Calculate(Operation op);
};

// Qt 6 declares hidden friend templates named get in the global namespace,
// which compilers will not have beside a global namespace get; inside an
// inline namespace, get::Windowbf() works unchanged.
inline namespace morvessa {
namespace get {
// The one arithmetic window, built (with its Open settings) when none exists.
::Windowbf& Windowbf();
}  // namespace get
}  // namespace morvessa
