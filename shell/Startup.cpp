#include "shell/Startup.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "framework/Framework.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "solver/Window1.h"
#include "zq/zq.h"

namespace {

// Start-up owns the application object; the framework only refers to it.
std::unique_ptr<App> appInstance;

// Raised once the unusable component has been reported; start-up stops.
class ComponentUnusable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
bool componentUnusable = false;

// The main window's example system: a wrong answer here means every Solve
// would be wrong too.
constexpr const char* ProbeMatrix = "2,1,-5;-3,-1,2;-3,1,-2;";
constexpr const char* ProbeDeterminant = "18";

// Message boxes are titled with the application's name, which Qt takes from
// the executable's file name unless told.
void NameTheProgram() { QCoreApplication::setApplicationName(QStringLiteral("Morvessa")); }

void ReleaseAppInstance() {
  if (!appInstance) return;
  if (fw::_GetAppObject() == appInstance.get()) fw::_RuntimeRegisterAppObject(nullptr);
  appInstance.reset();
}

}  // namespace

std::string ComponentFault() {
  try {
    const std::string half = zq::Str(zq::BigFraction(std::string_view("2/4")));
    if (half != "1/2") return "2/4 reads as " + half;
    const zq::BigMatrix probe{std::string_view(ProbeMatrix)};
    if (probe.NumRows() != 3 || probe.NumColumns() != 3) return "a 3 x 3 matrix reads with the wrong shape";
    const std::string det = zq::Str(probe.Det());
    if (det != ProbeDeterminant) return "a determinant of 18 comes out as " + det;
    return {};
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unknown failure";
  }
}

// Classes of C++ are complete at compile time: there is nothing to register,
// and the menu bar starts empty (MainMenuBar::_implicitInstance).
void RuntimePerformInitializers() {}

void InitPluginEntrypoints() {
  const std::string fault = ComponentFault();
  if (fault.empty()) return;
  const QString text = QStringLiteral("Morvessa cannot start: the arithmetic component zq does not work (%1).")
                           .arg(QString::fromStdString(fault));
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  fw::MsgBox(text);
  throw ComponentUnusable(text.toStdString());
}

// No document file types.
void _InitFileTypes() {}

void _NewAppInstance() {
  auto app = std::make_unique<App>();
  app->Constructor();
  app->SetMenuBar(&get::MainMenuBar());
  appInstance = std::move(app);
  fw::_RuntimeRegisterAppObject(appInstance.get());
}

void _ApplicationAddMenuHandlers() {
  ::App& app = get::App();
  app._AddMenuHandler(QStringLiteral("AboutItem"), [&app] { return app._AboutItem_Action(); });
  app._AddMenuHandler(QStringLiteral("HelpItem"), [&app] { return app._HelpItem_Action(); });
  app._AddMenuHandler(QStringLiteral("WindowWindowzq"), [&app] { return app._WindowWindowzq_Action(); });
  app._AddMenuHandler(QStringLiteral("bfItem"), [&app] { return app._bfItem_Action(); });
}

// Qt scales for high-resolution displays by itself and has no external
// classes to initialise, so early start-up begins with the component.
void _EarlyStartup() {
  InitPluginEntrypoints();
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _MakeDefaultView() { get::Window1(); }

void _LateStartup() { _MakeDefaultView(); }

// Every handler the framework runs already goes through
// fw::CallWithExceptionHandling, so there is no callback to register here.
void _Main() {
  try {
    _EarlyStartup();
    fw::_RunFrameworkInitialization(_LateStartup);
    fw::_RuntimeRun();
  } catch (const ComponentUnusable&) {
    componentUnusable = true;  // already reported
  } catch (...) {
    fw::_UnhandledException(std::current_exception());
  }
}

void RuntimePerformFinalizers() { MainMenuBar::_Finalize(); }

int RunMorvessa(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  NameTheProgram();
  RuntimePerformInitializers();
  _Main();
  RuntimePerformFinalizers();
  const int status = fw::RuntimeExit();
  ReleaseAppInstance();
  return componentUnusable ? EXIT_FAILURE : status;
}

void StartForTests() {
  if (appInstance) return;
  static bool teardownRegistered = false;
  if (!teardownRegistered) {
    qAddPostRoutine(StopForTests);
    teardownRegistered = true;
  }
  NameTheProgram();
  _EarlyStartup();
}

void StopForTests() {
  fw::_DestroyAllWindows();
  RuntimePerformFinalizers();
  ReleaseAppInstance();
}
