// Runs the whole program as main() does and, once the main window is up,
// chooses File > Quit on its menu bar. Prints "QUIT-PROBE OK" and returns the
// program's exit status when start-up, Quit and shut-down did what they must.
#include <QAction>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "framework/Framework.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "shell/Startup.h"
#include "solver/Window1.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::printf("FAILED: %s\n", what);
  ++failures;
}

// Polls rather than assuming when the framework calls the late start-up back.
void ChooseQuitOnceTheMainWindowIsUp() {
  auto* poll = new QTimer(QCoreApplication::instance());
  auto waited = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, waited] {
    fw::Window* window = fw::_GetImplicitWindow("Window1.Window1");
    if ((window == nullptr || !window->isVisible()) && ++*waited < 1000) return;
    poll->stop();
    Check(window != nullptr && window->isVisible(), "the main window opens");
    if (window == nullptr) {
      QCoreApplication::exit(0);  // Quit could not be reached; the failure is recorded
      return;
    }
    Check(window->windowTitle() == "Morvessa", "the main window is titled Morvessa");
    Check(fw::_LiveWindows().size() == 1, "exactly one window opens");
    Check(window->GetMenuBar() == &get::MainMenuBar(), "the main window shows the menu bar");
    Check(get::App().GetMenuBar() == &get::MainMenuBar(), "the application has the menu bar");
    Check(!get::App().WindowzqOpen, "WindowzqOpen starts false");
    for (const char* name : {"AboutItem", "HelpItem", "WindowWindowzq", "bfItem"})
      Check(get::App()._HasMenuHandler(name), name);
    QAction* quit = fw::_FindMenuAction(window, "FileQuit");
    Check(quit != nullptr, "the main window's menu bar has FileQuit");
    if (quit != nullptr) quit->trigger();
    else QCoreApplication::exit(0);
  });
  poll->start(10);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(ChooseQuitOnceTheMainWindowIsUp)

int main(int argc, char** argv) {
  const int status = RunMorvessa(argc, argv);
  Check(MainMenuBar::_implicitInstance == nullptr, "the menu bar is released at shut-down");
  Check(fw::_GetAppObject() == nullptr, "no application object is left registered");
  std::printf("exit status %d\n", status);
  if (failures == 0) std::printf("QUIT-PROBE OK\n");
  std::fflush(stdout);
  return failures == 0 ? status : 100;
}
