#include "framework/Activation.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace fw::detail {
namespace {

int handlerDepth = 0;
QPointer<QWidget>& waitingActivation() {
  static QPointer<QWidget> window;
  return window;
}

void activateNow(QWidget* window) {
  if (window == nullptr || !window->isVisible()) return;  // hidden again meanwhile: it never takes the keyboard
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();  // offscreen cannot, and says so
  window->activateWindow();
}

}  // namespace

HandlerScope::HandlerScope() { ++handlerDepth; }

HandlerScope::~HandlerScope() {
  if (--handlerDepth > 0) return;
  QWidget* window = waitingActivation();
  waitingActivation() = nullptr;
  activateNow(window);
}

void RequestActivation(QWidget& window) {
  if (handlerDepth > 0) waitingActivation() = &window;
  else activateNow(&window);
}

}  // namespace fw::detail
