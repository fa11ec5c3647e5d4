#include "framework/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "framework/Activation.h"
#include "framework/Application.h"
#include "framework/ExceptionHandling.h"
#include "framework/Menu.h"
#include "framework/Work.h"

namespace fw {
namespace {

// The framework's own windows. Heap-held and never freed itself so that no
// window outlives QApplication through a static destructor: the windows are
// destroyed by _DestroyAllWindows (RuntimeExit).
std::vector<std::unique_ptr<Window>>& registry() {
  static auto* windows = new std::vector<std::unique_ptr<Window>>;
  return *windows;
}

std::unique_ptr<Window> takeFromRegistry(Window* w) {
  auto& reg = registry();
  auto it = std::find_if(reg.begin(), reg.end(), [w](const auto& p) { return p.get() == w; });
  if (it == reg.end()) return nullptr;
  std::unique_ptr<Window> owned = std::move(*it);
  reg.erase(it);
  return owned;
}

int clampSize(int v) { return std::clamp(v, 0, QWIDGETSIZE_MAX); }

}  // namespace

namespace detail {

void RegisterWindow(std::unique_ptr<Window> w) { registry().push_back(std::move(w)); }

void ReleaseWindow(Window* w) {
  if (std::unique_ptr<Window> owned = takeFromRegistry(w)) {
    owned->hide();
    owned.release()->deleteLater();  // it may be inside one of its own events
  }
}

}  // namespace detail

Window* _GetImplicitWindow(const QString& classPath) {
  _RequireUIThread();
  for (const auto& w : registry())
    if (w->ClassPath() == classPath) return w.get();
  return nullptr;
}

std::vector<Window*> _LiveWindows() {
  std::vector<Window*> out;
  for (const auto& w : registry()) out.push_back(w.get());
  return out;
}

void _DestroyAllWindows() {
  std::vector<std::unique_ptr<Window>> windows = std::move(registry());
  registry().clear();
  windows.clear();
  if (QCoreApplication::instance()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---------------------------------------------------------------------------
Window::Window(QString classPath) : classPath_(std::move(classPath)), content_(nullptr) {
  _RequireUIThread();
  content_ = new QWidget(this);
  content_->setObjectName(QStringLiteral("Content"));
  setCentralWidget(content_);
  content_->installEventFilter(this);
  // Mapping a window must not hand it the keyboard: Show activates it
  // explicitly, once it is sure to stay shown.
  setAttribute(Qt::WA_ShowWithoutActivating);
  _PresentMenuBar();
}

Window::~Window() {
  // Deleted by someone other than the registry: forget it there.
  if (std::unique_ptr<Window> owned = takeFromRegistry(this)) (void)owned.release();
}

QString Window::ClassPath() const { return classPath_; }

void Window::Constructor() {
  _RequireUIThread();
  Layout();
  CreateControls();
  _FinishControls();
  Event_Open();
  if (!design_ || design_->Visible) Show();
}

void Window::_SetProperties(const WindowDesign& d) {
  _RequireUIThread();
  design_ = d;
  setWindowTitle(d.Title);

  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (d.CloseButton) flags |= Qt::WindowCloseButtonHint;
  if (d.MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (d.MaximizeButton && d.Resizeable) flags |= Qt::WindowMaximizeButtonHint;
  if (flags != windowFlags()) {
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible) show();
  }
  if (QWidget* bar = menuWidget()) bar->setVisible(d.MenuBarVisible);
  if (d.HasBackColor) {
    QPalette pal = content_->palette();
    pal.setColor(QPalette::Window, QColor((d.BackColor >> 24) & 0xFF, (d.BackColor >> 16) & 0xFF, (d.BackColor >> 8) & 0xFF));
    content_->setPalette(pal);
    content_->setAutoFillBackground(true);
  }
  applyDesignSize();
}

// The design's sizes are those of the content area; the menu bar comes on top.
void Window::applyDesignSize() {
  if (!design_) return;
  const WindowDesign& d = *design_;
  const QWidget* bar = menuWidget();
  const int extra = (bar && d.MenuBarVisible) ? bar->sizeHint().height() : 0;
  const int minW = std::min(d.MinWidth, d.MaxWidth), minH = std::min(d.MinHeight, d.MaxHeight);
  if (d.Resizeable) {
    setMinimumSize(clampSize(minW), clampSize(minH + extra));
    setMaximumSize(clampSize(d.MaxWidth), clampSize(d.MaxHeight + extra));
    if (!shownOnce_) resize(d.Width, d.Height + extra);
  } else {
    setFixedSize(clampSize(d.Width), clampSize(d.Height + extra));
  }
}

void Window::_AddControl(const QString& name, Control& c) {
  _RequireUIThread();
  QWidget* w = c.widget();
  if (w->objectName().isEmpty()) w->setObjectName(name);
  auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& e) { return e.first == name; });
  if (it != controls_.end()) it->second = w;
  else controls_.emplace_back(name, w);
}

Control& Window::_NewControl(const ControlDesign& d) {
  Control* c = nullptr;
  switch (d.Class) {
    case ControlClass::Label: c = &__New<Label>(); break;
    case ControlClass::TextArea: c = &__New<TextArea>(); break;
    case ControlClass::TextField: c = &__New<TextField>(); break;
    case ControlClass::PushButton: c = &__New<PushButton>(); break;
  }
  if (!c) throw IllegalCastException("IllegalCastException: unknown control class");
  c->Constructor();
  _AddControl(d.Name, *c);
  c->_SetProperties(d);
  return *c;
}

Control* Window::_ControlByName(const QString& name) const {
  _RequireUIThread();
  for (const auto& [n, w] : controls_)
    if (n == name && w) return dynamic_cast<Control*>(w.data());
  return nullptr;
}

void Window::_FinishControls() {
  _RequireUIThread();
  std::vector<Control*> ordered;
  for (const auto& [n, w] : controls_)
    if (auto* c = w ? dynamic_cast<Control*>(w.data()) : nullptr; c && c->_Design()) ordered.push_back(c);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](Control* a, Control* b) { return a->_Design()->TabIndex < b->_Design()->TabIndex; });
  QWidget* previous = nullptr;
  for (Control* c : ordered) {
    QWidget* w = c->widget();
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
  // Screen readers name an area or field after the label that describes it.
  for (Control* c : ordered) {
    const QString labelName = c->_Design()->AccessibleLabel;
    if (labelName.isEmpty()) continue;
    if (auto* label = dynamic_cast<Label*>(_ControlByName(labelName))) {
      c->widget()->setAccessibleName(label->text());
      label->setBuddy(c->widget());
    }
  }
  relayoutControls();
}

void Window::relayoutControls() {
  if (!design_) return;
  const QSize designed(design_->Width, design_->Height);
  for (const auto& [n, w] : controls_)
    if (auto* c = w ? dynamic_cast<Control*>(w.data()) : nullptr) c->_PlaceIn(designed, content_->size());
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  if (watched == content_ && event->type() == QEvent::Resize) relayoutControls();
  return QMainWindow::eventFilter(watched, event);
}

void Window::SetMenuBar(MenuBar* bar) {
  _RequireUIThread();
  menuBar_ = bar;
  _PresentMenuBar();
}

MenuBar* Window::GetMenuBar() const { return menuBar_; }

void Window::_PresentMenuBar() {
  Application* app = _GetAppObject();
  MenuBar* model = menuBar_ ? menuBar_ : (app ? app->GetMenuBar() : nullptr);
  if (!model) return;
  auto* bar = new QMenuBar;
  bar->setNativeMenuBar(false);  // Linux has no global menu bar: every window shows it
  bar->setObjectName(QStringLiteral("MenuBar"));
  for (int i = 0; i < model->Count(); ++i) bar->addAction(model->Item(i)->_Action());
  setMenuBar(bar);  // owns it; deletes the previous one
  bar->setVisible(!design_ || design_->MenuBarVisible);
  applyDesignSize();
}

void Window::placeOnFirstShow() {
  if (shownOnce_) return;
  shownOnce_ = true;
  if (!design_ || design_->Placement == 0) return;  // the window manager decides
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect avail = s->availableGeometry();
  QPoint topLeft = avail.center() - QPoint(width() / 2, height() / 2);
  topLeft.setX(std::max(avail.left(), topLeft.x()));
  topLeft.setY(std::max(avail.top(), topLeft.y()));
  move(topLeft);
}

void Window::Show() {
  _RequireUIThread();
  if (QWidget* active = QApplication::activeWindow(); active != this) activeBeforeShow_ = active;
  placeOnFirstShow();
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);  // back as it was before
  show();
  detail::RequestActivation(*this);
}

void Window::Hide() {
  _RequireUIThread();
  const bool hadKeyboard = isActiveWindow() || (windowHandle() && QGuiApplication::focusWindow() == windowHandle());
  hide();
  if (hadKeyboard && activeBeforeShow_ && activeBeforeShow_->isVisible()) detail::RequestActivation(*activeBeforeShow_);
}

void Window::closeEvent(QCloseEvent* event) {
  if (_WorkInProgress()) {
    // The action at work writes into its windows when it ends: the window
    // closes after that.
    event->ignore();
    detail::DeferClose(*this);
    return;
  }
  CallWithExceptionHandling([this] { Event_Close(); });
  event->accept();
  detail::ReleaseWindow(this);  // gone: the getter builds a new one
}

}  // namespace fw
