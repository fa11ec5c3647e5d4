#include "framework/TestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "framework/Work.h"

namespace fw::test {
namespace {
QStringList& recorded() {
  static QStringList messages;
  return messages;
}
}  // namespace

void Record(const QString& text) { recorded().append(text); }

QStringList Messages() { return recorded(); }

void ClearMessages() { recorded().clear(); }

void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool ShowAndActivate(QWidget& w) {
  w.show();
  w.activateWindow();
  QApplication::setActiveWindow(&w);
  return QTest::qWaitForWindowActive(&w, 1000);
}

WorkWaitHook::WorkWaitHook(std::function<void()> hook) { fw::detail::SetWorkWaitHook(std::move(hook)); }
WorkWaitHook::~WorkWaitHook() { fw::detail::SetWorkWaitHook({}); }

struct WorkHold::State {
  std::mutex lock;
  std::condition_variable changed;
  bool released = false;
  bool timedOut = false;
};

WorkHold::WorkHold(int timeoutMs) : state_(std::make_shared<State>()) {
  fw::detail::SetWorkerHook([state = state_, timeout = std::chrono::milliseconds(timeoutMs)] {
    std::unique_lock guard(state->lock);
    if (!state->changed.wait_for(guard, timeout, [&] { return state->released; })) state->timedOut = true;
  });
}

WorkHold::~WorkHold() {
  Release();
  fw::detail::SetWorkerHook({});
}

void WorkHold::Release() {
  {
    std::lock_guard guard(state_->lock);
    state_->released = true;
  }
  state_->changed.notify_all();
}

bool WorkHold::TimedOut() const {
  std::lock_guard guard(state_->lock);
  return state_->timedOut;
}

}  // namespace fw::test
