#include "framework/Work.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "framework/Exceptions.h"

namespace fw {
namespace {

// Events that come from the user's mouse, keyboard, pen or touch. While work
// runs they are dropped wherever they are aimed; everything else (paint,
// expose, move, resize, minimise and restore, the window manager's pings,
// accessibility queries, timers) is processed as usual.
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

class InputDropper : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override { return IsUserInput(event->type()); }
};

// User-interface thread only.
int waitDepth = 0;
std::vector<QPointer<QWidget>>& deferredCloses() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}
std::function<void()>& waitHook() {
  static std::function<void()> hook;
  return hook;
}
// Set and cleared only while no work runs.
std::function<void()>& workerHook() {
  static std::function<void()> hook;
  return hook;
}

// What the worker hands back. The atomic flag is the only thing both threads
// touch while the work runs; the failure is read after the join.
struct Completion {
  std::atomic<bool> done{false};
  std::exception_ptr failure;
};

void RunCapturing(const std::function<void()>& work, Completion& completion) {
  try {
    work();
  } catch (...) {
    completion.failure = std::current_exception();
  }
}

// Waits for the worker while the event loop runs with user input dropped.
void WaitFor(Completion& completion) {
  InputDropper dropper;
  QCoreApplication::instance()->installEventFilter(&dropper);
  ++waitDepth;
  struct Restore {
    InputDropper& dropper;
    ~Restore() {
      --waitDepth;
      QCoreApplication::instance()->removeEventFilter(&dropper);
    }
  } restore{dropper};
  if (const std::function<void()> hook = waitHook()) hook();
  // processEvents, not a QEventLoop: a quit asked for meanwhile ends every
  // QEventLoop at once, and the wait must last until the work is over.
  while (!completion.done.load(std::memory_order_acquire))
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

void _RunOffUIThread(const std::function<void()>& work) {
  _RequireUIThread();
  Completion completion;
  QAbstractEventDispatcher* dispatcher =
      QCoreApplication::instance() ? QAbstractEventDispatcher::instance() : nullptr;
  if (!dispatcher) {
    // No event loop to keep alive (no application object yet).
    work();
    return;
  }
  std::thread worker;
  try {
    worker = std::thread([&work, &completion, dispatcher, hook = workerHook()] {
      RunCapturing(work, completion);
      if (hook) hook();
      completion.done.store(true, std::memory_order_release);
      dispatcher->wakeUp();  // thread-safe; ends the wait's processEvents
    });
  } catch (const std::system_error&) {
    // No thread to be had (e.g. the address space is used up): the work
    // still runs, only the windows do not repaint meanwhile.
    work();
    return;
  }
  {
    // Joined on every way out: the work refers to this frame.
    struct JoinOnExit {
      std::thread& t;
      ~JoinOnExit() { t.join(); }
    } joinOnExit{worker};
    WaitFor(completion);
  }
  if (completion.failure) std::rethrow_exception(completion.failure);
}

bool _WorkInProgress() { return waitDepth > 0; }

namespace detail {

void DeferClose(QWidget& window) {
  for (const QPointer<QWidget>& w : deferredCloses())
    if (w == &window) return;
  deferredCloses().emplace_back(&window);
  // A close asked for during work that no handler ends (there is always one
  // today) still happens once the event loop is back.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &RunDeferredCloses, Qt::QueuedConnection);
}

void RunDeferredCloses() {
  if (_WorkInProgress()) return;
  std::vector<QPointer<QWidget>> windows = std::move(deferredCloses());
  deferredCloses().clear();
  for (const QPointer<QWidget>& w : windows)
    if (w) w->close();
}

void SetWorkWaitHook(std::function<void()> hook) { waitHook() = std::move(hook); }
void SetWorkerHook(std::function<void()> hook) { workerHook() = std::move(hook); }

}  // namespace detail
}  // namespace fw
