// The main window: coefficient matrix, right-hand side, "Solve" and the exact
// solution. Start-up builds it once; nothing refers to it afterwards.
#pragma once

#include "framework/Framework.h"
#include "solver/MatrixText.h"

class Window1 : public fw::Window, public MatrixText {
 public:
  static constexpr const char* ClassPathName = "Window1.Window1";

  Window1();

  // Installs the application's menu bar on this window, then the design.
  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();

  fw::Label& Label1() const;
  fw::TextArea& TextAreacm() const;
  fw::Label& Label2() const;
  fw::TextArea& TextArearhs() const;
  fw::PushButton& PushButton1() const;
  fw::TextArea& TextAreasol() const;
  fw::Label& Label3() const;

  // The Solve action (defined with the solve logic).
  void PushButton1_Action(fw::PushButton& button);

  // The items of this window's menu bar, each found by its own Name.
  // NilObjectException when the window has no menu bar or the item is missing.
  fw::MenuItem& HelpMenu() const;
  fw::MenuItem& HelpItem() const;
  fw::MenuItem& WindowMenu() const;
  fw::MenuItem& bfItem() const;
  fw::MenuItem& WindowWindowzq() const;
  fw::MenuItem& EditMenu() const;
  fw::MenuItem& EditSelectAll() const;
  fw::MenuItem& EditSeparator2() const;
  fw::MenuItem& EditClear() const;
  fw::MenuItem& EditPaste() const;
  fw::MenuItem& EditCopy() const;
  fw::MenuItem& EditCut() const;
  fw::MenuItem& EditSeparator1() const;
  fw::MenuItem& EditUndo() const;
  fw::MenuItem& FileMenu() const;
  fw::AppleMenuItem& AboutItem() const;
  fw::QuitMenuItem& FileQuit() const;

  // Fixed-pitch font for the three areas, then the example system.
  void Event_Open() override;

 private:
  template <class C>
  C& MakeControl(const fw::ControlDesign& design);
  template <class Item>
  Item& MenuItemNamed(const char* name) const;
};

// Qt 6 declares hidden friend templates named get in the global namespace,
// which GCC will not have beside a global namespace get; inside an inline
// namespace, get::X() works unchanged with every compiler.
inline namespace morvessa {
namespace get {
// The main window, built (laid out, filled and shown) when none exists.
::Window1& Window1();
}  // namespace get
}  // namespace morvessa
