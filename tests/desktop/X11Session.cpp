#include "X11Session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

namespace desktop {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto StartTimeout = std::chrono::seconds(20);

// fork + exec with the child bound to our life: it gets SIGKILL when the
// test process ends in any way. keepOpen is the one descriptor the child
// inherits beyond the standard three.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int keepOpen = -1) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;  // parent, or -1
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(127);  // the parent died before the line above
  if (keepOpen >= 0) fcntl(keepOpen, F_SETFD, 0);
  for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
  const int devNull = open("/dev/null", O_WRONLY);
  if (devNull >= 0) dup2(devNull, STDOUT_FILENO);  // their chatter stays out of the test log
  execvp(args[0], args.data());
  _exit(127);
}

void StopChild(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

// Reaps the child if it has ended (and forgets its pid).
bool Exited(pid_t& pid) {
  if (pid <= 0 || waitpid(pid, nullptr, WNOHANG) != pid) return pid <= 0;
  pid = -1;
  return true;
}

// The display number Xvfb writes, newline-terminated, once it accepts clients.
std::string ReadDisplayNumber(int fd, pid_t& server) {
  std::string number;
  const auto deadline = Clock::now() + StartTimeout;
  while (Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) > 0) {
      char c = 0;
      const ssize_t n = read(fd, &c, 1);
      if (n <= 0) return {};
      if (c == '\n') return number;
      number += c;
    } else if (Exited(server)) {
      return {};
    }
  }
  return {};
}

// openbox announces itself with _NET_SUPPORTING_WM_CHECK on the root window,
// and once it has started it parks the keyboard on that window (until then
// it neither manages new windows as new nor honours activation requests).
bool WindowManagerReady(::Display* dpy) {
  const Atom check = XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Window supporting = None;
  if (XGetWindowProperty(dpy, DefaultRootWindow(dpy), check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                         &data) == Success &&
      data != nullptr && type == XA_WINDOW && count == 1)
    supporting = *reinterpret_cast<Window*>(data);
  if (data) XFree(data);
  Window focus = None;
  int revertTo = 0;
  XGetInputFocus(dpy, &focus, &revertTo);
  return supporting != None && focus == supporting;
}

}  // namespace

X11Session::~X11Session() { Stop(); }

std::string X11Session::Start() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return "no pipe for Xvfb: " + std::string(std::strerror(errno));
  server_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset"},
                  {}, fds[1]);
  close(fds[1]);
  if (server_ < 0) {
    close(fds[0]);
    return "cannot start Xvfb";
  }
  const std::string number = ReadDisplayNumber(fds[0], server_);
  close(fds[0]);
  if (number.empty()) return "Xvfb did not report a display (is the xvfb package installed?)";
  display_ = ":" + number;

  char configTemplate[] = "/tmp/morvessa-desktop-XXXXXX";
  if (const char* dir = mkdtemp(configTemplate)) configHome_ = dir;
  windowManager_ = Spawn({"openbox", "--sm-disable"}, {"DISPLAY=" + display_, "XDG_CONFIG_HOME=" + configHome_});
  if (windowManager_ < 0) return "cannot start openbox";

  ::Display* dpy = XOpenDisplay(display_.c_str());
  if (dpy == nullptr) return "cannot connect to Xvfb on " + display_;
  const auto deadline = Clock::now() + StartTimeout;
  bool managed = false;
  while (!(managed = WindowManagerReady(dpy)) && Clock::now() < deadline && !Exited(windowManager_))
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  XCloseDisplay(dpy);
  if (!managed) return "openbox did not take over the screen (is the openbox package installed?)";
  return {};
}

void X11Session::Stop() {
  StopChild(windowManager_);
  StopChild(server_);
  if (!configHome_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(configHome_, ignored);
    configHome_.clear();
  }
}

}  // namespace desktop
