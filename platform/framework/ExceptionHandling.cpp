#include "framework/ExceptionHandling.h"

#include <cxxabi.h>

#include <QApplication>
#include <QCursor>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <typeinfo>

#include "framework/Activation.h"
#include "framework/MsgBox.h"
#include "framework/Work.h"

namespace fw {
namespace {

QString demangledTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                   &std::free);
  return QString::fromUtf8(status == 0 && name ? name.get() : type.name());
}

QString describe(std::exception_ptr e) {
  try {
    std::rethrow_exception(e);
  } catch (const std::bad_alloc&) {
    return QStringLiteral("out of memory (std::bad_alloc)");
  } catch (const std::exception& ex) {
    const QString what = QString::fromUtf8(ex.what());
    const QString type = demangledTypeName(typeid(ex));
    return what.isEmpty() ? type : what + QStringLiteral(" (") + type + QStringLiteral(")");
  } catch (...) {
    if (const std::type_info* type = abi::__cxa_current_exception_type())
      return QStringLiteral("an exception of type ") + demangledTypeName(*type);
    return QStringLiteral("an unknown exception");
  }
}

// Reporting must not throw itself: a failure while reporting goes to stderr.
void report(const QString& text) {
  try {
    MsgBox(text);
  } catch (...) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
  }
}

}  // namespace

QString _DescribeException(std::exception_ptr e) {
  try {
    return describe(e);
  } catch (...) {
    return QStringLiteral("an exception that could not be described");
  }
}

bool CallWithExceptionHandling(const std::function<void()>& f) {
  try {
    f();
    return true;
  } catch (...) {
    report(QStringLiteral("An unexpected error occurred: ") + _DescribeException(std::current_exception()));
    return false;
  }
}

void _UnhandledException(std::exception_ptr e) {
  if (!e) return;
  report(QStringLiteral("An unhandled exception occurred: ") + _DescribeException(e));
}

BusyCursor::BusyCursor() : active_(QApplication::instance() != nullptr) {
  if (active_) QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  if (active_) QApplication::restoreOverrideCursor();
}

bool _RunHandler(const std::function<void()>& f) {
  detail::HandlerScope handler;
  const bool ok = CallWithExceptionHandling([&] {
    BusyCursor busy;
    f();
  });
  // Windows closed while the handler's work ran close now that it is over.
  CallWithExceptionHandling(detail::RunDeferredCloses);
  return ok;
}

}  // namespace fw
