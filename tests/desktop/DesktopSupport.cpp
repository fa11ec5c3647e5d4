#include "DesktopSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <stdexcept>

#include "XServer.h"

#include <X11/keysym.h>  // XK_ names only: no macros that clash with Qt

namespace desktop {
namespace {

unsigned long XWindowOf(const QWidget& w) { return static_cast<unsigned long>(w.winId()); }

QAction* ActionNamed(const QList<QAction*>& actions, const QString& name) {
  for (QAction* a : actions)
    if (a->objectName() == name) return a;
  throw std::runtime_error("desktop tests: no menu action " + name.toStdString());
}

bool Exposed(const QWidget& w) { return w.isVisible() && w.windowHandle() && w.windowHandle()->isExposed(); }

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return condition();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTest::qSleep(5);
  }
  return true;
}

void Settle(int ms) {
  xserver::Sync();
  QTest::qWait(ms);
}

WmState StateOf(const QWidget& window) {
  switch (xserver::WmStateOf(XWindowOf(window))) {
    case xserver::State::Normal: return WmState::Normal;
    case xserver::State::Iconic: return WmState::Iconic;
    case xserver::State::Withdrawn: break;
  }
  return WmState::Withdrawn;
}

bool WmSaysActive(const QWidget& window) { return xserver::ActiveWindow() == XWindowOf(window); }

QString WmTitle(const QWidget& window) { return QString::fromStdString(xserver::NetWmName(XWindowOf(window))); }

bool WmSaysOnTop(const QWidget& window) { return xserver::TopmostWindow() == XWindowOf(window); }

bool WaitActive(QWidget& window, int timeoutMs) {
  return WaitUntil(
      [&] {
        xserver::Sync();
        return window.isActiveWindow() && QGuiApplication::focusWindow() == window.windowHandle() &&
               WmSaysActive(window);
      },
      timeoutMs);
}

bool MoveFrameTo(QWidget& window, QPoint topLeft, int timeoutMs) {
  window.move(topLeft);
  return WaitUntil([&] { return window.frameGeometry().topLeft() == topLeft; }, timeoutMs);
}

bool MoveApart(QWidget& first, QWidget& second) {
  const QRect screen = second.screen()->availableGeometry();
  const QSize frame = second.frameGeometry().size();
  return MoveFrameTo(first, screen.topLeft()) &&
         MoveFrameTo(second, screen.bottomRight() - QPoint(frame.width() - 1, frame.height() - 1));
}

std::string KeyboardReport(const QWidget& window) {
  auto name = [](const QObject* o) { return o ? o->objectName().toStdString() + " " + o->metaObject()->className() : "none"; };
  auto hex = [](unsigned long id) { return QString::number(id, 16).toStdString(); };
  const QWidget* active = QApplication::activeWindow();
  return "window " + hex(XWindowOf(window)) + " '" + window.windowTitle().toStdString() + "'" +
         (window.isVisible() ? " visible" : " hidden") + "; Qt: active window " +
         (active ? hex(XWindowOf(*active)) + " '" + active->windowTitle().toStdString() + "'" : "none") +
         ", focus window " + (QGuiApplication::focusWindow() ? hex(QGuiApplication::focusWindow()->winId()) : "none") +
         ", focus widget " + name(QApplication::focusWidget()) + "; window manager: active " +
         hex(xserver::ActiveWindow()) + "; X server: input focus " + hex(xserver::FocusedWindow());
}

bool WaitExposed(QWidget& window, int timeoutMs) {
  return WaitUntil(
      [&] {
        xserver::Sync();
        return StateOf(window) == WmState::Normal && window.windowHandle() && window.windowHandle()->isExposed();
      },
      timeoutMs);
}

bool WaitMinimized(QWidget& window, int timeoutMs) {
  return WaitUntil(
      [&] {
        xserver::Sync();
        return StateOf(window) == WmState::Iconic;
      },
      timeoutMs);
}

void PressKey(unsigned long keysym, bool shift) { xserver::Key(keysym, shift); }

void TypeText(const QString& text) {
  for (QChar c : text) {
    const unsigned long keysym = c.unicode();  // printable ASCII: the keysym is the character's code
    PressKey(keysym, xserver::NeedsShift(keysym));
  }
}

void ClickAt(QPoint global) {
  // Counts button releases that reach any window of the program.
  struct ReleaseCounter : QObject {
    int releases = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QWindow*>(watched)) ++releases;
      return false;
    }
  } counter;
  qApp->installEventFilter(&counter);
  xserver::MovePointer(global.x(), global.y());
  QTest::qWait(20);  // the pointer arrives (enter, hover) before the button goes down
  xserver::ClickLeftButton();
  WaitUntil([&] { return counter.releases > 0; }, 1000);
  qApp->removeEventFilter(&counter);
}

QPoint OnScreen(const QWidget& widget, QPoint local) {
  const QWidget* window = widget.window();
  int x = 0, y = 0;
  xserver::OriginOf(XWindowOf(*window), x, y);
  return QPoint(x, y) + widget.mapTo(window, local);
}

void Click(QWidget& widget) { ClickAt(OnScreen(widget, widget.rect().center())); }

QMenu& OpenMenu(QMainWindow& window, const QString& menuName) {
  auto* bar = qobject_cast<QMenuBar*>(window.menuWidget());
  if (bar == nullptr) throw std::runtime_error("desktop tests: the window has no menu bar");
  QAction* menuAction = ActionNamed(bar->actions(), menuName);
  QMenu* menu = menuAction->menu<QMenu*>();
  if (menu == nullptr) throw std::runtime_error("desktop tests: " + menuName.toStdString() + " is no menu");
  ClickAt(OnScreen(*bar, bar->actionGeometry(menuAction).center()));
  if (!WaitUntil([&] { return Exposed(*menu); }))
    throw std::runtime_error("desktop tests: the menu " + menuName.toStdString() + " did not open");
  return *menu;
}

void ChooseMenuItem(QMainWindow& window, const QString& menuName, const QString& itemName) {
  QMenu& menu = OpenMenu(window, menuName);
  QAction* item = ActionNamed(menu.actions(), itemName);
  ClickAt(OnScreen(menu, menu.actionGeometry(item).center()));
  if (!WaitUntil([&] { return !menu.isVisible(); }))
    throw std::runtime_error("desktop tests: the menu " + menuName.toStdString() + " stayed open");
}

ActivationLog::ActivationLog() { qApp->installEventFilter(this); }

ActivationLog::~ActivationLog() { qApp->removeEventFilter(this); }

bool ActivationLog::Activated(const QWidget& window) const {
  return window.windowHandle() != nullptr && activated_.contains(window.windowHandle());
}

bool ActivationLog::eventFilter(QObject* watched, QEvent* event) {
  QWindow* target = nullptr;
  if (event->type() == QEvent::FocusIn) target = qobject_cast<QWindow*>(watched);  // the keyboard
  if (event->type() == QEvent::WindowActivate)
    if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow()) target = w->windowHandle();
  if (target != nullptr && !activated_.contains(target)) activated_.append(target);
  return false;
}

MessageBoxAnswerer::MessageBoxAnswerer() : timer_(std::make_unique<QTimer>()), previousSink_(fw::SetMessageSink({})) {
  // The box runs its own event loop inside the action: only a timer gets a
  // word in while it is up.
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { poll(); });
  timer_->start(20);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  timer_->stop();
  fw::SetMessageSink(std::move(previousSink_));
}

void MessageBoxAnswerer::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (answered_ || box == nullptr || !Exposed(*box)) return;
  xserver::Sync();
  if (!box->isActiveWindow() || !WmSaysActive(*box)) return;  // Return would go elsewhere
  title_ = box->windowTitle();
  shownTitle_ = WmTitle(*box);
  text_ = box->text();
  answered_ = true;
  timer_->stop();
  PressKey(XK_Return);
}

}  // namespace desktop
