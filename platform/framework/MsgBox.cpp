#include "framework/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "framework/Exceptions.h"

namespace fw {
namespace {
MessageSink& sink() {
  static MessageSink s;
  return s;
}
}  // namespace

MessageSink SetMessageSink(MessageSink s) { return std::exchange(sink(), std::move(s)); }

void MsgBox(const QString& text) {
  _RequireUIThread();
  if (sink()) {
    sink()(text);
    return;
  }
  // A handler may be showing the busy cursor; the box needs the normal one.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
  QApplication::restoreOverrideCursor();
}

}  // namespace fw
