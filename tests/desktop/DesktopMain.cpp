// main() of the desktop tests: a private Xvfb display with openbox, the
// program on Qt's xcb platform, message box texts recorded (as in the
// headless GUI tests) unless a test asks for real boxes, every gtest, then
// the windows, the QApplication and the display torn down. ctest's discovery
// (--gtest_list_tests) starts nothing.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>

#include "X11Session.h"
#include "framework/Application.h"
#include "framework/MsgBox.h"
#include "framework/TestSupport.h"

namespace fw::test {
void Record(const QString& text);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

  desktop::X11Session session;
  if (const std::string failure = session.Start(); !failure.empty()) {
    std::fprintf(stderr, "desktop tests: %s\n", failure.c_str());
    return 1;
  }
  qputenv("DISPLAY", QByteArray::fromStdString(session.Display()));
  qputenv("QT_QPA_PLATFORM", "xcb");  // the suite's environment says offscreen
  fw::RuntimeInit(argc, argv);
  // Tests close every window, the main one too, to start afresh.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  fw::SetMessageSink([](const QString& text) { fw::test::Record(text); });
  const int failed = RUN_ALL_TESTS();
  fw::SetMessageSink({});
  fw::RuntimeExit();
  session.Stop();
  return failed;
}
