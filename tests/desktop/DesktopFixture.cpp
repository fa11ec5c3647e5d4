#include "DesktopFixture.h"

namespace desktop {

fw::Window& LiveWindow(const QString& classPath) {
  fw::Window* w = fw::_GetImplicitWindow(classPath);
  if (w == nullptr) throw std::runtime_error("no window " + classPath.toStdString());
  return *w;
}

void DesktopTest::SetUp() {
  for (fw::Window* w : fw::_LiveWindows()) w->close();
  fw::test::ProcessDeferredDeletes();
  ASSERT_TRUE(fw::_LiveWindows().empty());
  get::App().WindowzqOpen = false;
  fw::test::ClearMessages();
  _MakeDefaultView();  // as start-up opens it
  main_ = &get::Window1();
  ASSERT_TRUE(WaitActive(*main_)) << "the main window did not become active: " << KeyboardReport(*main_);
}

}  // namespace desktop
