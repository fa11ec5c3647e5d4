#include "GuiHarness.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "framework/MsgBox.h"
#include "shell/Startup.h"

namespace fuzz::gui {
namespace {
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
  // Lives for the whole process: the fuzzer never returns to tear it down.
  static QApplication* const app = new QApplication(argc, argv);
  (void)app;
  StartForTests();
  fw::SetMessageSink([](const QString& text) { Recorded() << text; });
}

const QStringList& Messages() { return Recorded(); }
void ClearMessages() { Recorded().clear(); }

void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace fuzz::gui
