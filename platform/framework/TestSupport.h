// Helpers for tests linked with fw_test_main (which records every MsgBox text).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace fw::test {

QStringList Messages();  // MsgBox texts recorded since the last ClearMessages
void ClearMessages();
// Runs pending deferred deletions (windows closed by the user are deleted later).
void ProcessDeferredDeletes();
// Shows w and makes it the active window so that focus can be given.
bool ShowAndActivate(QWidget& w);

// While it lives, hook runs on the user-interface thread inside the wait of
// every work of fw::RunOffUIThread (user input already dropped there).
class WorkWaitHook {
 public:
  explicit WorkWaitHook(std::function<void()> hook);
  ~WorkWaitHook();
  WorkWaitHook(const WorkWaitHook&) = delete;
  WorkWaitHook& operator=(const WorkWaitHook&) = delete;
};

// While it lives, every work of fw::RunOffUIThread, once done, waits on its
// thread until Release() (or until timeoutMs have passed), so that a test can
// act while the program still waits for the work. Only what the program's
// own wait runs (its event loop: timers, paint, window-system events) gets a
// word in meanwhile.
class WorkHold {
 public:
  explicit WorkHold(int timeoutMs = 20000);
  ~WorkHold();
  WorkHold(const WorkHold&) = delete;
  WorkHold& operator=(const WorkHold&) = delete;
  void Release();
  bool TimedOut() const;  // a work gave up waiting for Release

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace fw::test
