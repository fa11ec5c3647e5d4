#include "framework/TestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

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

}  // namespace fw::test
