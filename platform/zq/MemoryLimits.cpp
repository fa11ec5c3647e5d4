#include "zq/MemoryLimits.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

// Without heap allocation: this runs when memory may be all but gone.
namespace zq::detail {
namespace {

constexpr std::int64_t kUnknown = std::numeric_limits<std::int64_t>::max();
// Left for the program itself: the message box, the texts, the allocator's slack.
constexpr std::int64_t kFixedReserve = std::int64_t{16} << 20;
constexpr std::int64_t kReserveShare = 8;  // and one eighth of the headroom

// The start of a small file, NUL-terminated; false when it cannot be read.
bool ReadSmallFile(const char* path, char* buffer, std::size_t size) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::size_t used = 0;
  ssize_t got = 0;
  while (used + 1 < size && (got = read(fd, buffer + used, size - 1 - used)) > 0) used += static_cast<std::size_t>(got);
  close(fd);
  buffer[used] = '\0';
  return used > 0;
}

// The first number in a file, or kUnknown ("max" in a cgroup limit reads as unknown).
std::int64_t FirstNumber(const char* path) {
  char text[64];
  if (!ReadSmallFile(path, text, sizeof text)) return kUnknown;
  char* end = nullptr;
  const long long v = std::strtoll(text, &end, 10);
  return end == text ? kUnknown : static_cast<std::int64_t>(v);
}

// Every thread takes its stack's worth of address space when it starts: the
// GUI toolkit's painter threads (one a core, started and ended as it paints)
// and an action's worker. Where a thread cannot start, the toolkit waits for
// its painter for ever, so room stays free for the threads not running now.
std::int64_t ThreadStacksToCome() {
  rlimit stack{};
  const std::int64_t each = getrlimit(RLIMIT_STACK, &stack) == 0 && stack.rlim_cur != RLIM_INFINITY
                                ? static_cast<std::int64_t>(stack.rlim_cur)
                                : std::int64_t{32} << 20;  // glibc's default without a limit
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  char status[8192];
  long running = 1;
  if (ReadSmallFile("/proc/self/status", status, sizeof status))
    if (const char* line = std::strstr(status, "\nThreads:")) running = std::strtol(line + 9, nullptr, 10);
  // The threads a process may run: this one, the toolkit's painters, a worker.
  const long wanted = std::max(1L, cores) + 2;
  return std::max(0L, wanted - running) * each;
}

std::int64_t AddressSpaceRoom() {
  rlimit rl{};
  if (getrlimit(RLIMIT_AS, &rl) != 0 || rl.rlim_cur == RLIM_INFINITY) return kUnknown;
  const std::int64_t pages = FirstNumber("/proc/self/statm");
  if (pages == kUnknown) return kUnknown;
  // Free space inside malloc's heaps is address space already counted, that
  // the next blocks reuse: after a failed computation the heap stays as large
  // (something else may sit at its top), though nearly empty.
  const std::int64_t reusable = static_cast<std::int64_t>(mallinfo2().fordblks);
  return static_cast<std::int64_t>(rl.rlim_cur) - pages * sysconf(_SC_PAGESIZE) + reusable - ThreadStacksToCome();
}

std::int64_t AvailableMemory() {
  char text[4096];
  if (!ReadSmallFile("/proc/meminfo", text, sizeof text)) return kUnknown;
  const char* line = std::strstr(text, "MemAvailable:");
  if (!line) return kUnknown;
  return std::strtoll(line + std::strlen("MemAvailable:"), nullptr, 10) * 1024;
}

// limit - usage of one cgroup directory's files, or kUnknown.
std::int64_t Room(const char* dir, std::size_t dirLength, const char* limitFile, const char* usageFile) {
  char path[4096];
  if (dirLength + 32 > sizeof path) return kUnknown;
  std::snprintf(path, sizeof path, "%.*s/%s", static_cast<int>(dirLength), dir, limitFile);
  const std::int64_t limit = FirstNumber(path);
  std::snprintf(path, sizeof path, "%.*s/%s", static_cast<int>(dirLength), dir, usageFile);
  const std::int64_t usage = FirstNumber(path);
  // v1 writes an unlimited group as a huge page-rounded number.
  if (limit == kUnknown || usage == kUnknown || limit >= (std::int64_t{1} << 62)) return kUnknown;
  return limit - usage;
}

// The tightest limit - usage over the process's cgroup and its ancestors
// (v2), or the v1 memory controller's.
std::int64_t CgroupRoom() {
  char text[4096];
  if (!ReadSmallFile("/proc/self/cgroup", text, sizeof text)) return kUnknown;
  std::int64_t room = kUnknown;
  for (char* line = text; *line;) {
    char* end = std::strchr(line, '\n');
    if (end) *end = '\0';
    char* first = std::strchr(line, ':');
    char* second = first ? std::strchr(first + 1, ':') : nullptr;
    if (second) {
      const char* controllers = first + 1;
      const std::size_t controllersLength = static_cast<std::size_t>(second - controllers);
      const char* path = second + 1;
      char dir[4096];
      if (controllersLength == 0) {  // v2: this group and every ancestor
        const int n = std::snprintf(dir, sizeof dir, "/sys/fs/cgroup%s", std::strcmp(path, "/") == 0 ? "" : path);
        std::size_t length = n > 0 ? std::min(static_cast<std::size_t>(n), sizeof dir - 1) : 0;
        const std::size_t rootLength = std::strlen("/sys/fs/cgroup");
        for (;;) {
          room = std::min(room, Room(dir, length, "memory.max", "memory.current"));
          if (length <= rootLength) break;
          while (length > rootLength && dir[length - 1] != '/') --length;
          if (length > rootLength) --length;  // the "/" itself
        }
      } else {
        char list[256];
        std::snprintf(list, sizeof list, ",%.*s,", static_cast<int>(controllersLength), controllers);
        if (std::strstr(list, ",memory,")) {  // v1
          const int n =
              std::snprintf(dir, sizeof dir, "/sys/fs/cgroup/memory%s", std::strcmp(path, "/") == 0 ? "" : path);
          if (n > 0)
            room = std::min(room, Room(dir, std::min(static_cast<std::size_t>(n), sizeof dir - 1),
                                       "memory.limit_in_bytes", "memory.usage_in_bytes"));
        }
      }
    }
    if (!end) break;
    line = end + 1;
  }
  return room;
}

}  // namespace

std::int64_t SystemHeadroom() {
  const std::int64_t room = std::min({AddressSpaceRoom(), AvailableMemory(), CgroupRoom()});
  if (room == kUnknown) return kUnknown;
  return std::max<std::int64_t>(0, room - kFixedReserve - room / kReserveShare);
}

}  // namespace zq::detail
