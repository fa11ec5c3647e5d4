#include "shell/App.h"

#include "framework/Exceptions.h"

void App::Constructor() {}

::App& get::App() {
  fw::Application* registered = fw::_GetAppObject();
  if (registered == nullptr) throw fw::NilObjectException("NilObjectException: no application object is registered");
  auto* app = dynamic_cast<::App*>(registered);
  if (app == nullptr) throw fw::IllegalCastException("IllegalCastException: the application object is not an App");
  return *app;
}
