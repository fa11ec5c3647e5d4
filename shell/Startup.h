// Start-up and shut-down of the program, from main to the exit status.
//
// main() is RunMorvessa(): RuntimeInit, RuntimePerformInitializers, _Main,
// RuntimePerformFinalizers, RuntimeExit. _Main runs, inside one catch-all
// that hands anything escaping to fw::_UnhandledException:
//   _EarlyStartup: InitPluginEntrypoints, _InitFileTypes, _NewAppInstance,
//                  _ApplicationAddMenuHandlers;
//   fw::_RunFrameworkInitialization(_LateStartup), which opens Window1;
//   fw::_RuntimeRun, the event loop, until the user quits.
#pragma once

#include <string>

// ---- For tests (GUI fixtures linked with fw_test_main) ----------------------
// Brings up what start-up makes before the main window opens: the App object
// (created, Constructor run, registered), the menu bar as the application's
// menu bar, and the four menu handlers bound by Name. Opens no window and runs
// no event loop. Idempotent: later calls keep the existing objects, so every
// test sees the same App and menu bar. Checks the arithmetic component first
// and throws std::runtime_error if it is unusable.
// The objects live until StopForTests() or the QApplication's teardown,
// whichever comes first.
void StartForTests();
// Destroys every window of the program, then releases the menu bar and the App
// object as shut-down does. StartForTests() afterwards brings up fresh ones.
void StopForTests();

// ---- The steps, in the order they run ---------------------------------------
// The whole program; main() returns its result.
int RunMorvessa(int argc, char** argv);

void RuntimePerformInitializers();
void _Main();
void _EarlyStartup();
// Makes sure the arithmetic component works before anything relies on it; if
// it does not, says so (stderr and a message box) and start-up stops with a
// non-zero exit status.
void InitPluginEntrypoints();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();
// Releases the menu bar (once; a second call does nothing).
void RuntimePerformFinalizers();

// Why the arithmetic component cannot be used, or an empty text when it works.
// Has no lasting effect on the component's settings.
std::string ComponentFault();
