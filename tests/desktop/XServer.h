// The test's own connection to the X display, beside Qt's: XTest input and
// what the window manager set on the windows. Kept apart from Qt code, whose
// names Xlib's macros would clash with. Windows are X window ids.
#pragma once

#include <string>

namespace desktop::xserver {

void Sync();  // the server has handled everything sent so far
void Key(unsigned long keysym, bool shift);
bool NeedsShift(unsigned long keysym);  // on the server's keyboard map
void MovePointer(int x, int y);
void ClickLeftButton();

// Where the window's top-left corner is on the screen now, as the server has
// it (the program may not have heard yet of a move by the window manager).
void OriginOf(unsigned long window, int& x, int& y);

enum class State { Withdrawn, Normal, Iconic };
State WmStateOf(unsigned long window);          // WM_STATE
unsigned long ActiveWindow();                   // _NET_ACTIVE_WINDOW, 0 when none
unsigned long TopmostWindow();                  // last of _NET_CLIENT_LIST_STACKING, 0 when none
std::string NetWmName(unsigned long window);    // _NET_WM_NAME, UTF-8
unsigned long FocusedWindow();                     // the window with the X keyboard focus

}  // namespace desktop::xserver
