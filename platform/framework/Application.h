// The application object, its menu bar and handlers, and the run time.
#pragma once

#include <QHash>
#include <QString>
#include <exception>
#include <functional>

namespace fw {

class MenuBar;
class MenuItem;

class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void SetMenuBar(MenuBar* bar);  // Application.MenuBar (not owned); shown on every window
  MenuBar* GetMenuBar() const;
  void _SetSupportsHiDPI(bool) {}  // Qt 6 always scales for high-resolution displays

  // Choosing the item of that Name calls handler (busy cursor, exceptions reported).
  void _AddMenuHandler(const QString& name, std::function<bool()> handler);
  bool _HasMenuHandler(const QString& name) const;
  // Acts as if the user chose that item: its handler, else the item's own
  // behaviour (Quit, standard Edit items). Returns the handler's result, or
  // whether the built-in behaviour did something; false if nothing handled it.
  bool _ChooseMenuItem(const QString& name);

 private:
  MenuBar* menuBar_ = nullptr;
  QHash<QString, std::function<bool()>> handlers_;
};

void _RuntimeRegisterAppObject(Application* app);  // not owning
Application* _GetAppObject();

// Chooses an item as the user's menu choice does (used by the QActions).
bool _DispatchMenuItem(MenuItem& item);
// Quits: closes the visible windows (their Close events run) and ends the event loop.
void _Quit();

// Run time.
void RuntimeInit(int& argc, char** argv);  // creates the QApplication
void _RunFrameworkInitialization(const std::function<void()>& lateStartup);  // calls lateStartup
void _RuntimeRun();  // event loop until quit
int RuntimeExit();   // destroys windows and the QApplication; the exit status

}  // namespace fw
