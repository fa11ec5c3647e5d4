// Which window has the keyboard. A handler may build a window, which shows
// itself, and hide it again before it returns (the Solve does this with the
// floating-point output window). Activating such a window at once hands it
// the keyboard although the user never sees it, so while a handler runs,
// activation waits until the outermost handler is over and then goes to the
// last window asked for, if it is still shown.
#pragma once

class QWidget;

namespace fw::detail {

// Marks a running handler. Nests; the outermost one carries out the waiting
// activation when it ends, also when the handler threw.
class HandlerScope {
 public:
  HandlerScope();
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

// Raises and activates window now, or when the running handler is over.
void RequestActivation(QWidget& window);

}  // namespace fw::detail
