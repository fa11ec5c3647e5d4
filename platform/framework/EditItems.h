// Internal: the standard Edit items (EditUndo, EditCut, EditCopy, EditPaste,
// EditClear, EditSelectAll) act on the focused text control and are enabled
// as its focus and selection allow.
#pragma once

class QAction;
class QWidget;

namespace fw {
class MenuItem;
namespace detail {

void RememberEditItem(MenuItem* item);
void ForgetEditItem(MenuItem* item);
void UpdateEditItem(const MenuItem& item, QAction& action);
// Starts following focus, selection and clipboard changes (once; needs the QApplication).
void EnsureEditTracking();
// The text control the Edit items act on: the focused one, or, while a menu
// has the focus, the one that had it before; nullptr when none.
QWidget* EditTarget();

}  // namespace detail
}  // namespace fw
