// Shared by the out-of-memory suites of the component.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "zq/ZqTesting.h"
#include "zq/zq.h"

// AddressSanitizer (and ThreadSanitizer) map huge shadow memory: they cannot
// run under an address-space limit.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ZQ_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define ZQ_TEST_ASAN 1
#endif
#endif
#ifndef ZQ_TEST_ASAN
#define ZQ_TEST_ASAN 0
#endif

namespace zqtest {

// A test budget on the component for the lifetime of the object.
class Budget {
 public:
  explicit Budget(std::int64_t bytes) { zq::testing::SetMemoryBudget(bytes); }
  ~Budget() { zq::testing::ClearMemoryBudget(); }
  Budget(const Budget&) = delete;
  Budget& operator=(const Budget&) = delete;
};

// A reproducible decimal number of the given digit count.
inline std::string Digits(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string s(1, static_cast<char>('1' + rng() % 9));
  while (static_cast<int>(s.size()) < count) s += static_cast<char>('0' + digit(rng));
  return s;
}

// A one-line matrix text rows x cols of numbers with the given digit count.
inline std::string MatrixText(int rows, int cols, int digits, unsigned seed) {
  std::string text;
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) {
      if ((i + j) % 3 == 0) text += "-";
      text += Digits(digits, seed + static_cast<unsigned>(i * cols + j));
      text += j + 1 < cols ? "," : ";";
    }
  return text;
}

// Field of /proc/self/status in bytes ("VmSize", "VmRSS").
inline std::int64_t StatusBytes(const std::string& field) {
  std::ifstream in("/proc/self/status");
  std::string key;
  while (in >> key) {
    if (key == field + ":") {
      std::int64_t kib = 0;
      in >> kib;
      return kib * 1024;
    }
    in.ignore(1 << 20, '\n');
  }
  return -1;
}

// Runs body in a forked child whose address space may grow by `room` bytes;
// the child's exit status (0 = body returned true).
inline int InChildWithAddressSpaceRoom(std::int64_t room, const std::function<bool()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    const rlimit limit{static_cast<rlim_t>(StatusBytes("VmSize") + room),
                       static_cast<rlim_t>(StatusBytes("VmSize") + room)};
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(3);
    bool ok = false;
    try {
      ok = body();
    } catch (...) {
      _exit(2);
    }
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

}  // namespace zqtest
