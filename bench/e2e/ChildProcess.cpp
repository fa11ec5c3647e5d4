#include "ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "Measure.h"

extern char** environ;

namespace bench {

ChildResult RunChild(const std::vector<std::string>& argv, bool keepStderr) {
  ChildResult r;
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return r;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  if (!keepStderr) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const auto start = Clock::now();
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) {
    close(pipeFds[0]);
    return r;
  }
  char buf[4096];
  for (ssize_t got; (got = read(pipeFds[0], buf, sizeof buf)) > 0;) r.output.append(buf, static_cast<std::size_t>(got));
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return r;
}

std::string ResultLine(const std::string& output) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line))
    if (line.rfind("RESULT ", 0) == 0) return line.substr(7);
  return {};
}

}  // namespace bench
