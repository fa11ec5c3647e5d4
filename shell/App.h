// The application object: one per run, made and registered at start-up.
#pragma once

#include "framework/Application.h"

class App : public fw::Application {
 public:
  // True while the user has the floating-point output window open from the
  // Window menu; the Solve action hides that window again while it is false.
  bool WindowzqOpen = false;

  void Constructor();

  // Menu handlers, bound by item Name at start-up. Each shows its window and
  // returns true (handled). Their bodies live beside the windows they open.
  bool _AboutItem_Action();
  bool _HelpItem_Action();
  bool _WindowWindowzq_Action();
  bool _bfItem_Action();
};

// Qt 6 declares hidden friend templates named get in the global namespace,
// which GCC will not have beside a global namespace get; inside an inline
// namespace, get::X() works unchanged with every compiler.
inline namespace morvessa {
namespace get {
// The registered application object. NilObjectException before start-up has
// registered one, IllegalCastException if it is not an App.
::App& App();
}  // namespace get
}  // namespace morvessa
