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

// Requests to the window manager, as its title bar and a task bar make them.
void AskWmToIconify(unsigned long window);   // the minimise button
void AskWmToActivate(unsigned long window);  // a task bar's entry: brings an iconified window back
void AskWmToClose(unsigned long window);     // the close button

// The window manager's "is it still alive" question (_NET_WM_PING): sends it
// to the window with a stamp of its own; PingAnswered says whether the answer
// with that stamp has come back.
void Ping(unsigned long window, unsigned long stamp);
bool PingAnswered(unsigned long stamp);

}  // namespace desktop::xserver
