// main() of GUI tests: a headless QApplication, MsgBox texts recorded instead
// of shown, every gtest, then the windows and the QApplication torn down.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "framework/Application.h"
#include "framework/MsgBox.h"
#include "framework/TestSupport.h"

namespace fw::test {
void Record(const QString& text);
}

int main(int argc, char** argv) {
  // Test discovery runs the binary without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit(argc, argv);
  fw::SetMessageSink([](const QString& text) { fw::test::Record(text); });
  const int failed = RUN_ALL_TESTS();
  fw::SetMessageSink({});
  fw::RuntimeExit();
  return failed;
}
