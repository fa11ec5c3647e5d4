#include "framework/Exceptions.h"

#include <QCoreApplication>
#include <QThread>

namespace fw {

void _RequireUIThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  if (app && QThread::currentThread() != app->thread()) throw ThreadAccessingUIException();
}

}  // namespace fw
