// Top-level windows: a menu bar on top and absolute-positioned controls in the
// content area, built from design data. The framework owns every window it
// builds (the registry of implicit instances, by class path).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "framework/Controls.h"
#include "framework/Design.h"
#include "framework/Exceptions.h"

namespace fw {

class MenuBar;

class Window : public QMainWindow {
  Q_OBJECT
 public:
  explicit Window(QString classPath);  // e.g. "Window1.Window1"
  ~Window() override;
  QString ClassPath() const;

  // Raises Layout, CreateControls, then Open; then shows the window when its
  // design has Visible true. Exceptions pass to the caller.
  void Constructor();

  // Window events, overridden by the program's windows.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}  // the user closed the window; it is destroyed afterwards

  void _SetProperties(const WindowDesign& d);
  const std::optional<WindowDesign>& _Design() const { return design_; }

  // Makes a control of class C for this window (child of the content area).
  template <class C>
  C& __New() {
    _RequireUIThread();
    auto* c = new C(content_);  // owned by its Qt parent
    return *c;
  }
  void _AddControl(const QString& name, Control& c);  // register under Name
  // Convenience: __New of the design's class, Constructor, _AddControl and
  // _SetProperties in one step.
  Control& _NewControl(const ControlDesign& d);
  Control* _ControlByName(const QString& name) const;  // nullptr when none
  // Class-tested lookup: NilObjectException when none, IllegalCastException
  // when it is of another class.
  template <class C>
  C& ControlAs(const QString& name) const {
    Control* c = _ControlByName(name);
    if (!c) throw NilObjectException("NilObjectException: no control named " + name.toStdString());
    auto* typed = dynamic_cast<C*>(c);
    if (!typed) throw IllegalCastException("IllegalCastException: control " + name.toStdString() + " has another class");
    return *typed;
  }

  void SetMenuBar(MenuBar* bar);  // Window.MenuBar (not owned)
  MenuBar* GetMenuBar() const;
  // Shows the window in front and active; a minimised one comes back first.
  // Inside a handler the activation waits until the handler is over.
  void Show();
  // Hidden, not closed: still the implicit instance. When it had the keyboard,
  // the window that had it before this one was shown gets it back.
  void Hide();

  QWidget* _Content() const { return content_; }  // the area controls live in
  // Re-presents the menu bar (this window's, else the application's).
  void _PresentMenuBar();
  // Applies tab order (by TabIndex) and accessible names from labels.
  void _FinishControls();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyDesignSize();
  void relayoutControls();
  void placeOnFirstShow();

  QString classPath_;
  QWidget* content_;
  MenuBar* menuBar_ = nullptr;
  std::optional<WindowDesign> design_;
  std::vector<std::pair<QString, QPointer<QWidget>>> controls_;  // registration order
  bool shownOnce_ = false;
  QPointer<QWidget> activeBeforeShow_;
};

namespace detail {
// Hands a newly made window to the registry, which owns it from now on.
void RegisterWindow(std::unique_ptr<Window> w);
// Removes a window from the registry and destroys it (deferred).
void ReleaseWindow(Window* w);
}  // namespace detail

// The live window of a class path (a hidden one counts), or nullptr.
Window* _GetImplicitWindow(const QString& classPath);

// The implicit window instance: the live window of that class path, else a new
// W (constructed as W()) built with Constructor(). Class-tested.
template <class W>
W& ImplicitWindow(const QString& classPath) {
  _RequireUIThread();
  if (Window* existing = _GetImplicitWindow(classPath)) {
    auto* typed = dynamic_cast<W*>(existing);
    if (!typed) throw IllegalCastException("IllegalCastException: window " + classPath.toStdString() + " has another class");
    return *typed;
  }
  auto owned = std::make_unique<W>();
  W& w = *owned;
  detail::RegisterWindow(std::move(owned));
  try {
    w.Constructor();
  } catch (...) {
    detail::ReleaseWindow(&w);
    throw;
  }
  return w;
}

// Every live window the registry owns, in creation order.
std::vector<Window*> _LiveWindows();
// Destroys every window the registry owns (at exit, and between tests).
void _DestroyAllWindows();

}  // namespace fw
