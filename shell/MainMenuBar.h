// The application's one menu bar: File, Edit, Window and Help. Program code
// reaches its items only by Name.
#pragma once

#include <array>
#include <memory>

#include "framework/Menu.h"

// One row of the fixed menu tree: a menu (Parent empty: directly below the
// bar) or an item of the menu named Parent.
struct MenuRowDesign {
  enum class Kind { MenuItem, QuitMenuItem, AppleMenuItem };
  int Builder;               // 0..3: Untitled0..Untitled3 makes this row
  const char* Parent;        // nullptr: a menu on the bar
  const char* Name;
  Kind Class;
  const char* Text;          // "&" marks the mnemonic, "-" a separator
  const char* Shortcut;      // nullptr: left as a new item has it (separators)
};

namespace MainMenuBarDesign {
// Rows in bar order, and within a menu in item order.
extern const std::array<MenuRowDesign, 17> Rows;
}  // namespace MainMenuBarDesign

class MainMenuBar : public fw::MenuBar {
 public:
  // Builds the four menus in the order File, Edit, Window, Help.
  void Constructor();
  void Untitled0();
  void Untitled1();
  void Untitled2();
  void Untitled3();

  // The single instance, filled by get::MainMenuBar() once a constructor has
  // returned; emptied (and the bar released) only by _Finalize at shut-down.
  static std::unique_ptr<MainMenuBar> _implicitInstance;
  static void _Finalize();

 private:
  void BuildMenu(int builder);
};

// Qt 6 declares hidden friend templates named get in the global namespace,
// which GCC will not have beside a global namespace get; inside an inline
// namespace, get::X() works unchanged with every compiler.
inline namespace morvessa {
namespace get {
// The one menu bar, built on the first call. If building throws, nothing is
// kept and a later call builds afresh.
::MainMenuBar& MainMenuBar();
}  // namespace get
}  // namespace morvessa
