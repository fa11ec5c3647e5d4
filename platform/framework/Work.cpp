#include "framework/Work.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
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
// touch while the work runs; the failure is read once the flag is set.
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

// One thread for all work, started on first use and kept. A thread for each
// action would leave its stack's address space behind in the C library's
// cache of stacks, and under an address-space limit a new thread may not
// start just when memory is short.
class Worker {
 public:
  // The worker, started when there is none yet; nullptr when no thread can
  // be started now.
  static Worker* Get() {
    static std::unique_ptr<Worker> worker;
    if (!worker) {
      try {
        worker = std::make_unique<Worker>();
      } catch (const std::system_error&) {
        return nullptr;
      } catch (const std::bad_alloc&) {
        return nullptr;
      }
    }
    return worker.get();
  }

  Worker() : thread_([this] { Run(); }) {}
  ~Worker() {
    {
      std::lock_guard guard(lock_);
      stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Hands job to the worker; job must not throw.
  void Post(std::function<void()> job) {
    {
      std::lock_guard guard(lock_);
      job_ = std::move(job);
    }
    wake_.notify_one();
  }

 private:
  void Run() {
    for (;;) {
      std::function<void()> job;
      {
        std::unique_lock guard(lock_);
        wake_.wait(guard, [this] { return stop_ || job_; });
        if (stop_) return;
        job = std::exchange(job_, nullptr);
      }
      job();
    }
  }

  std::mutex lock_;
  std::condition_variable wake_;
  std::function<void()> job_;
  bool stop_ = false;
  std::thread thread_;  // last: it starts at once and uses the members above
};

}  // namespace

void _RunOffUIThread(const std::function<void()>& work) {
  _RequireUIThread();
  QAbstractEventDispatcher* dispatcher =
      QCoreApplication::instance() ? QAbstractEventDispatcher::instance() : nullptr;
  Worker* worker = dispatcher ? Worker::Get() : nullptr;
  if (!worker) {
    // No event loop to keep alive, or no thread to be had (the address space
    // used up): the work still runs, only the windows wait meanwhile.
    work();
    return;
  }
  Completion completion;
  worker->Post([&work, &completion, dispatcher, hook = workerHook()] {
    RunCapturing(work, completion);
    if (hook) hook();
    completion.done.store(true, std::memory_order_release);
    dispatcher->wakeUp();  // thread-safe; ends the wait's processEvents
  });
  {
    // The work refers to this frame: it is over before the frame goes, also
    // when the wait itself fails.
    struct AwaitOnExit {
      const Completion& completion;
      ~AwaitOnExit() {
        while (!completion.done.load(std::memory_order_acquire)) std::this_thread::yield();
      }
    } awaitOnExit{completion};
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
