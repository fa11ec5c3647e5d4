// Leaves the component a given amount of memory: under a real address-space
// limit in a child process of the test, or, in the sanitizer builds (whose
// allocators cannot run under one), through the component's test budget.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "zq/ZqTesting.h"
#include "zq/zq.h"

// The sanitizers' own allocators cannot run under an address-space limit.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define MEMORY_TEST_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define MEMORY_TEST_SANITIZER 1
#endif
#endif
#ifndef MEMORY_TEST_SANITIZER
#define MEMORY_TEST_SANITIZER 0
#endif

namespace memory_test {

inline constexpr const char* kChildVariable = "MORVESSA_MEMORY_TEST_CHILD";

inline std::int64_t AddressSpaceSize() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t pages = 0;
  statm >> pages;
  return pages * sysconf(_SC_PAGESIZE);
}

// Runs the current test again, alone, in a child process; its output and
// whether it passed.
inline bool RunCurrentTestInChild(std::string& output) {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter = std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    dup2(pipeEnds[1], STDERR_FILENO);
    close(pipeEnds[0]);
    setenv(kChildVariable, "1", 1);
    execl("/proc/self/exe", "/proc/self/exe", filter.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  char buffer[4096];
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<std::size_t>(got));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
         output.find("[  PASSED  ] 1 test") != std::string::npos;
}

// Where the test body runs: true in the process that should run it.
// Outside the sanitizer builds the parent hands the test to a child and checks its result.
inline bool RunsHere() {
  if (MEMORY_TEST_SANITIZER || std::getenv(kChildVariable)) return true;
  std::string output;
  EXPECT_TRUE(RunCurrentTestInChild(output)) << output;
  return false;
}

// Leaves the component about `bytes` for one computation from now on: lowers
// the address-space limit until a computation scope gets that much, or sets
// the test budget in the sanitizer builds.
class LeaveMemory {
 public:
  explicit LeaveMemory(std::int64_t bytes) {
    if (MEMORY_TEST_SANITIZER) {
      zq::testing::SetMemoryBudget(bytes);
      return;
    }
    for (std::int64_t room = bytes;; room += std::int64_t{1} << 20) {
      const rlim_t limit = static_cast<rlim_t>(AddressSpaceSize() + room);
      const rlimit lowered{limit, RLIM_INFINITY};
      setrlimit(RLIMIT_AS, &lowered);
      zq::ComputationScope probe;
      if (zq::testing::AvailableBytes() >= bytes) break;
    }
  }
  ~LeaveMemory() {
    if (MEMORY_TEST_SANITIZER) zq::testing::ClearMemoryBudget();
  }
  LeaveMemory(const LeaveMemory&) = delete;
  LeaveMemory& operator=(const LeaveMemory&) = delete;
};

}  // namespace memory_test
