// Helpers for tests linked with fw_test_main (which records every MsgBox text).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

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

}  // namespace fw::test
