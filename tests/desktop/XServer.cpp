#include "XServer.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <stdexcept>
#include <vector>

namespace desktop::xserver {
namespace {

::Display* X() {
  static ::Display* const dpy = [] {
    ::Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) throw std::runtime_error("desktop tests: cannot open the X display");
    return d;
  }();
  return dpy;
}

Atom AtomNamed(const char* name) { return XInternAtom(X(), name, False); }

// The 32-bit items of a window property (empty when it is absent).
std::vector<unsigned long> Items(Window window, const char* property, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> items;
  if (XGetWindowProperty(X(), window, AtomNamed(property), 0, 4096, False, type, &actualType, &format, &count, &after,
                         &data) == Success &&
      data != nullptr && format == 32) {
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    items.assign(values, values + count);
  }
  if (data) XFree(data);
  return items;
}

KeyCode KeyFor(unsigned long keysym) {
  const KeyCode key = XKeysymToKeycode(X(), keysym);
  if (key == 0) throw std::runtime_error("desktop tests: no key for keysym " + std::to_string(keysym));
  return key;
}

}  // namespace

void Sync() { XSync(X(), False); }

void Key(unsigned long keysym, bool shift) {
  const KeyCode shiftKey = KeyFor(XK_Shift_L);
  const KeyCode key = KeyFor(keysym);
  if (shift) XTestFakeKeyEvent(X(), shiftKey, True, CurrentTime);
  XTestFakeKeyEvent(X(), key, True, CurrentTime);
  XTestFakeKeyEvent(X(), key, False, CurrentTime);
  if (shift) XTestFakeKeyEvent(X(), shiftKey, False, CurrentTime);
  Sync();
}

bool NeedsShift(unsigned long keysym) { return XkbKeycodeToKeysym(X(), KeyFor(keysym), 0, 0) != keysym; }

void MovePointer(int x, int y) {
  XTestFakeMotionEvent(X(), -1, x, y, CurrentTime);
  Sync();
}

void ClickLeftButton() {
  XTestFakeButtonEvent(X(), 1, True, CurrentTime);
  XTestFakeButtonEvent(X(), 1, False, CurrentTime);
  Sync();
}

void OriginOf(unsigned long window, int& x, int& y) {
  Window child = None;
  x = y = 0;
  XTranslateCoordinates(X(), window, DefaultRootWindow(X()), 0, 0, &x, &y, &child);
}

State WmStateOf(unsigned long window) {
  const std::vector<unsigned long> state = Items(window, "WM_STATE", AtomNamed("WM_STATE"));
  if (state.empty()) return State::Withdrawn;
  if (state[0] == NormalState) return State::Normal;
  if (state[0] == IconicState) return State::Iconic;
  return State::Withdrawn;
}

unsigned long ActiveWindow() {
  const std::vector<unsigned long> active = Items(DefaultRootWindow(X()), "_NET_ACTIVE_WINDOW", XA_WINDOW);
  return active.empty() ? 0 : active[0];
}

unsigned long TopmostWindow() {
  const std::vector<unsigned long> stack = Items(DefaultRootWindow(X()), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
  return stack.empty() ? 0 : stack.back();  // bottom to top
}

std::string NetWmName(unsigned long window) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(X(), window, AtomNamed("_NET_WM_NAME"), 0, 1024, False, AtomNamed("UTF8_STRING"),
                         &actualType, &format, &count, &after, &data) == Success &&
      data != nullptr && format == 8)
    name.assign(reinterpret_cast<const char*>(data), count);
  if (data) XFree(data);
  return name;
}

unsigned long FocusedWindow() {
  Window focus = None;
  int revertTo = 0;
  XGetInputFocus(X(), &focus, &revertTo);
  return focus;
}

namespace {

// A client message to the root window, where the window manager listens.
void TellWindowManager(Window window, const char* type, long l0, long l1 = 0, long l2 = 0) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = AtomNamed(type);
  e.xclient.format = 32;
  e.xclient.data.l[0] = l0;
  e.xclient.data.l[1] = l1;
  e.xclient.data.l[2] = l2;
  XSendEvent(X(), DefaultRootWindow(X()), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  XFlush(X());
}

}  // namespace

void AskWmToIconify(unsigned long window) { TellWindowManager(window, "WM_CHANGE_STATE", IconicState); }

void AskWmToActivate(unsigned long window) {
  TellWindowManager(window, "_NET_ACTIVE_WINDOW", /*source: a pager, the user's request*/ 2, CurrentTime);
}

void AskWmToClose(unsigned long window) {
  TellWindowManager(window, "_NET_CLOSE_WINDOW", CurrentTime, /*source: the user*/ 2);
}

void Ping(unsigned long window, unsigned long stamp) {
  // The answer goes to the root window (with one of these masks, depending on
  // the toolkit): listen there first.
  XSelectInput(X(), DefaultRootWindow(X()), StructureNotifyMask | SubstructureNotifyMask);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = AtomNamed("WM_PROTOCOLS");
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(AtomNamed("_NET_WM_PING"));
  e.xclient.data.l[1] = static_cast<long>(stamp);
  e.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(X(), window, False, NoEventMask, &e);
  XFlush(X());
}

bool PingAnswered(unsigned long stamp) {
  const Atom protocols = AtomNamed("WM_PROTOCOLS");
  const Atom ping = AtomNamed("_NET_WM_PING");
  bool answered = false;
  while (XPending(X()) > 0) {
    XEvent e;
    XNextEvent(X(), &e);
    if (e.type == ClientMessage && e.xclient.message_type == protocols &&
        static_cast<Atom>(e.xclient.data.l[0]) == ping && static_cast<unsigned long>(e.xclient.data.l[1]) == stamp)
      answered = true;
  }
  if (answered) XSelectInput(X(), DefaultRootWindow(X()), NoEventMask);
  return answered;
}

}  // namespace desktop::xserver
