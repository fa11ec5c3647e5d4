// A private X display for one test process: Xvfb on a free display number
// with openbox managing its windows. Both die with the test process, also when
// it crashes.
#pragma once

#include <sys/types.h>

#include <string>

namespace desktop {

class X11Session {
 public:
  X11Session() = default;
  ~X11Session();  // Stop()
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  // Starts Xvfb, then openbox, and waits until openbox manages the screen.
  // Returns an empty text on success, else what went wrong.
  std::string Start();
  void Stop();
  std::string Display() const { return display_; }  // ":N"

 private:
  pid_t server_ = -1;
  pid_t windowManager_ = -1;
  std::string display_;
  std::string configHome_;  // empty XDG config folder: openbox reads only the system's settings
};

}  // namespace desktop
