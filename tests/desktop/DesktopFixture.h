// The program on a real X display: started once per test process, with each
// test beginning from a freshly opened main window that has the keyboard.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <stdexcept>
#include <string>

#include "DesktopSupport.h"
#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "solver/Window1.h"

// Readable failure output.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace desktop {

// The control of that Name (and class) inside window.
template <class C>
C& Find(QWidget& window, const char* name) {
  C* c = window.findChild<C*>(QString::fromLatin1(name));
  if (c == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *c;
}

// The live window of a class path (hidden or not); throws when there is none.
fw::Window& LiveWindow(const QString& classPath);

class DesktopTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartForTests(); }

  // Every window closed as the user closes one, the flag false, no messages;
  // then a new main window, active, as at start-up.
  void SetUp() override;

  Window1& Main() { return *main_; }

 private:
  Window1* main_ = nullptr;
};

}  // namespace desktop
