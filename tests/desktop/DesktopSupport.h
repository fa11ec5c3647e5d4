// What a desktop test does as a user would: real X input through XTest, the
// window manager's view of the windows, and waits for both to catch up.
// Needs the display that DesktopMain starts (DISPLAY is set for the process);
// a test binary on it is declared with morvessa_add_desktop_test.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "framework/MsgBox.h"

class QMainWindow;
class QMenu;
class QMessageBox;
class QTimer;
class QWidget;

namespace desktop {

// ---- Waiting ----------------------------------------------------------------
// Processes events until condition holds or timeoutMs has passed; the result
// is the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
// Processes events for ms: time for the window manager to act on what the
// program asked of it before the test looks or types.
void Settle(int ms = 250);

// ---- The window manager's view -----------------------------------------------
enum class WmState { Withdrawn, Normal, Iconic };  // WM_STATE of a top-level window
WmState StateOf(const QWidget& window);
// The window that the window manager calls active (_NET_ACTIVE_WINDOW) is window.
bool WmSaysActive(const QWidget& window);
// The title the window manager shows (_NET_WM_NAME).
QString WmTitle(const QWidget& window);
// window is the topmost of the windows the window manager stacks.
bool WmSaysOnTop(const QWidget& window);

// Active for Qt and for the window manager, with its keyboard focus inside it.
bool WaitActive(QWidget& window, int timeoutMs = 10000);
// Who has the keyboard, as Qt, the window manager and the X server see it:
// for failure messages.
std::string KeyboardReport(const QWidget& window);
// Asks the window manager to put the window's frame there (as a user drags
// it) and waits until it stands there.
bool MoveFrameTo(QWidget& window, QPoint topLeft, int timeoutMs = 10000);
// Moves first to the screen's top-left corner and second to its bottom-right
// one, so that the user can reach the controls of both.
bool MoveApart(QWidget& first, QWidget& second);
// Shown by the window manager (not iconified) and exposed: it can be seen.
bool WaitExposed(QWidget& window, int timeoutMs = 10000);
// Iconified by the window manager.
bool WaitMinimized(QWidget& window, int timeoutMs = 10000);

// ---- Input through the X server -------------------------------------------------
// Keys go to whichever window has the X keyboard focus, as a user's do.
// keysym is an X keysym (XK_Tab, XK_space, XK_Return, '7', 'a', ...).
void PressKey(unsigned long keysym, bool shift = false);
// Types ASCII text key by key (Shift where the character needs it).
void TypeText(const QString& text);
// Moves the pointer there and clicks the left button; returns once the
// program has the button's release (the window manager may hold a click
// before it passes it on, while keys go straight through), or after a
// second when the program does not take it (it went elsewhere, or the
// program holds input back).
void ClickAt(QPoint global);
// The point of widget on the screen where the X server has it now.
QPoint OnScreen(const QWidget& widget, QPoint local);
void Click(QWidget& widget);  // at the middle of the widget
// Clicks the menu of that Name on window's menu bar; returns it once it is open.
QMenu& OpenMenu(QMainWindow& window, const QString& menuName);
// Opens the menu of that Name on window's menu bar and clicks its item of that Name.
void ChooseMenuItem(QMainWindow& window, const QString& menuName, const QString& itemName);

// ---- Activation ------------------------------------------------------------------
// Records every window that Qt activated or gave the keyboard to while it lives.
class ActivationLog : public QObject {
 public:
  ActivationLog();
  ~ActivationLog() override;
  bool Activated(const QWidget& window) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QPointer<QWindow>> activated_;
};

// ---- Message boxes -------------------------------------------------------------
// While it lives, MsgBox shows real boxes (the test main otherwise records
// their texts). The next box that appears is recorded and answered with
// Return through the X server once it has the keyboard.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  bool Answered() const { return answered_; }
  QString Title() const { return title_; }            // the box's window title
  QString ShownTitle() const { return shownTitle_; }  // the title the window manager shows
  QString Text() const { return text_; }

 private:
  void poll();

  std::unique_ptr<QTimer> timer_;
  fw::MessageSink previousSink_;
  bool answered_ = false;
  QString title_, shownTitle_, text_;
};

}  // namespace desktop
