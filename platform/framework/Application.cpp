#include "framework/Application.h"

#include <malloc.h>

#include <QApplication>
#include <memory>

#include "framework/ExceptionHandling.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/Window.h"

namespace fw {
namespace {

Application*& registeredApp() {
  static Application* app = nullptr;
  return app;
}

// The safety net: an exception that reaches Qt's event dispatch (it should
// never, every handler is wrapped) is reported instead of unwinding Qt.
class GuiApplication : public QApplication {
 public:
  GuiApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      _UnhandledException(std::current_exception());
      return false;
    }
  }
};

std::unique_ptr<GuiApplication>& qtApp() {
  static std::unique_ptr<GuiApplication> app;
  return app;
}

int& exitStatus() {
  static int status = 0;
  return status;
}

// The item's own behaviour, when no handler of the program is bound to it.
bool builtInBehaviour(MenuItem& item) {
  if (dynamic_cast<QuitMenuItem*>(&item)) {
    _Quit();
    return true;
  }
  if (_IsStandardEditItem(item.Name())) {
    bool done = false;
    CallWithExceptionHandling([&] { done = _PerformStandardEdit(item.Name()); });
    return done;
  }
  return false;
}

MenuItem* findItem(const MenuBar* appBar, const QString& name) {
  if (appBar)
    if (MenuItem* item = appBar->_Lookup(name)) return item;
  for (Window* w : _LiveWindows())
    if (MenuBar* bar = w->GetMenuBar())
      if (MenuItem* item = bar->_Lookup(name)) return item;
  return nullptr;
}

}  // namespace

Application::Application() = default;

Application::~Application() {
  if (registeredApp() == this) registeredApp() = nullptr;
}

void Application::SetMenuBar(MenuBar* bar) {
  _RequireUIThread();
  menuBar_ = bar;
  // Windows without a bar of their own show the application's.
  for (Window* w : _LiveWindows())
    if (!w->GetMenuBar()) w->_PresentMenuBar();
}

MenuBar* Application::GetMenuBar() const { return menuBar_; }

void Application::_AddMenuHandler(const QString& name, std::function<bool()> handler) {
  _RequireUIThread();
  handlers_.insert(name, std::move(handler));
}

bool Application::_HasMenuHandler(const QString& name) const { return handlers_.contains(name); }

bool Application::_ChooseMenuItem(const QString& name) {
  _RequireUIThread();
  if (auto it = handlers_.constFind(name); it != handlers_.constEnd()) {
    const std::function<bool()> handler = it.value();  // a copy: the handler may rebind
    bool handled = false;
    _RunHandler([&] { handled = handler && handler(); });
    return handled;
  }
  if (MenuItem* item = findItem(menuBar_, name)) return builtInBehaviour(*item);
  return false;
}

void _RuntimeRegisterAppObject(Application* app) { registeredApp() = app; }

Application* _GetAppObject() { return registeredApp(); }

bool _DispatchMenuItem(MenuItem& item) {
  Application* app = _GetAppObject();
  if (app && app->_HasMenuHandler(item.Name())) return app->_ChooseMenuItem(item.Name());
  return builtInBehaviour(item);
}

void _Quit() {
  _RequireUIThread();
  QApplication::closeAllWindows();  // their Close events run
  QCoreApplication::quit();
}

void RuntimeInit(int& argc, char** argv) {
  if (qtApp()) return;
  // Before any thread starts: the C library would give threads heaps of
  // their own, 64 MiB of address space each, which under an address-space
  // limit is room that neither the numbers nor the threads' stacks can use,
  // and whose free space the memory budget cannot see. One heap serves all.
  mallopt(M_ARENA_MAX, 1);
  qtApp() = std::make_unique<GuiApplication>(argc, argv);
}

void _RunFrameworkInitialization(const std::function<void()>& lateStartup) {
  _RequireUIThread();
  if (lateStartup) lateStartup();
}

void _RuntimeRun() {
  _RequireUIThread();
  if (QCoreApplication::instance()) exitStatus() = QApplication::exec();
}

int RuntimeExit() {
  _DestroyAllWindows();
  qtApp().reset();
  return exitStatus();
}

}  // namespace fw
