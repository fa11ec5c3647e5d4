// Shared start-up for the help tests: the application state that start-up
// makes (App, menu bar, menu handlers), and closing windows as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/Startup.h"

namespace helptest {

// Closes the live window of that class, if any, the way the user's close
// button does, and lets its deferred deletion run.
inline void CloseWindow(const QString& classPath) {
  if (fw::Window* w = fw::_GetImplicitWindow(classPath)) w->close();
  fw::test::ProcessDeferredDeletes();
}

inline int LiveWindowsOf(const QString& classPath) {
  int n = 0;
  for (fw::Window* w : fw::_LiveWindows())
    if (w->ClassPath() == classPath) ++n;
  return n;
}

class HelpFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartForTests(); }
  void SetUp() override { fw::test::ClearMessages(); }
};

}  // namespace helptest
