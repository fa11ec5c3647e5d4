// Start-up's steps inside the test process (the event loop and exit are
// covered by ExecutableTest).
#include <gtest/gtest.h>

#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "shell/Startup.h"
#include "solver/Window1.h"

namespace {
const char* const kBoundItems[] = {"AboutItem", "HelpItem", "WindowWindowzq", "bfItem"};
}

TEST(Startup, ComponentIsUsable) { EXPECT_EQ(ComponentFault(), ""); }

TEST(Startup, BringsUpAppMenuBarAndBindingsBeforeAnyWindow) {
  StopForTests();
  EXPECT_THROW(get::App(), fw::NilObjectException);
  EXPECT_EQ(MainMenuBar::_implicitInstance, nullptr);

  StartForTests();
  App& app = get::App();
  EXPECT_FALSE(app.WindowzqOpen);
  EXPECT_EQ(app.GetMenuBar(), &get::MainMenuBar());
  for (const char* name : kBoundItems) EXPECT_TRUE(app._HasMenuHandler(name)) << name;
  // Only the four program handlers: Quit and the Edit items act by themselves.
  for (const char* name : {"FileQuit", "FileMenu", "EditCopy", "EditSelectAll", "HelpMenu"})
    EXPECT_FALSE(app._HasMenuHandler(name)) << name;
  EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);

  StartForTests();  // idempotent
  EXPECT_EQ(&get::App(), &app);
  EXPECT_FALSE(app._HasMenuHandler("FileQuit"));
}

TEST(Startup, LateStartupOpensTheMainWindowUnderTheSameBar) {
  StartForTests();
  _LateStartup();
  Window1* window = dynamic_cast<Window1*>(fw::_GetImplicitWindow("Window1.Window1"));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->GetMenuBar(), get::App().GetMenuBar());
  fw::_DestroyAllWindows();
}

TEST(Startup, FinalizersReleaseTheMenuBarOnceAndALaterStartBuildsAfresh) {
  StartForTests();
  ASSERT_NE(MainMenuBar::_implicitInstance, nullptr);
  RuntimePerformFinalizers();
  EXPECT_EQ(MainMenuBar::_implicitInstance, nullptr);
  RuntimePerformFinalizers();  // nothing left to release
  EXPECT_EQ(MainMenuBar::_implicitInstance, nullptr);
  StopForTests();
  StartForTests();
  EXPECT_NE(MainMenuBar::_implicitInstance, nullptr);
  EXPECT_EQ(get::App().GetMenuBar(), &get::MainMenuBar());
}

TEST(Startup, ChoosingABoundItemRunsItsHandlerOnTheRegisteredApp) {
  StartForTests();
  fw::test::ClearMessages();
  for (const char* name : kBoundItems) EXPECT_TRUE(get::App()._ChooseMenuItem(name)) << name;
  EXPECT_TRUE(get::App().WindowzqOpen);  // "floating point output" was chosen
  EXPECT_TRUE(fw::test::Messages().isEmpty()) << fw::test::Messages().join("|").toStdString();
  fw::_DestroyAllWindows();
  StopForTests();  // the flag belongs to this App: the next tests get a fresh one
}
