#include "GuiHarness.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <cstdlib>
#include <memory>

#include "framework/MsgBox.h"
#include "shell/Startup.h"

namespace fuzz::gui {
namespace {
std::unique_ptr<QApplication>& App() {
  static std::unique_ptr<QApplication> app;
  return app;
}

QStringList& Recorded() {
  static QStringList messages;
  return messages;
}
}  // namespace

void Initialize() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "morvessa-fuzz";
  static char* argv[] = {name, nullptr};
  // Torn down by Finish while Qt is whole: Qt's own statics made during the
  // run go before any handler registered here, and closing the windows after
  // them crashes.
  App() = std::make_unique<QApplication>(argc, argv);
  // libFuzzer ends with exit(0) and never calls Finish; the process is
  // dropped there without a teardown.
  std::atexit([] {
    if (App()) std::_Exit(EXIT_SUCCESS);
  });
  StartForTests();
  fw::SetMessageSink([](const QString& text) { Recorded() << text; });
}

void Finish() {
  if (!App()) return;
  fw::SetMessageSink({});
  StopForTests();
  App().reset();
}

const QStringList& Messages() { return Recorded(); }
void ClearMessages() { Recorded().clear(); }

void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace fuzz::gui

extern "C" void MorvessaFuzzFinish() { fuzz::gui::Finish(); }
