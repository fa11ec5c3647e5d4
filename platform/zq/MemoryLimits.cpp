#include "zq/MemoryLimits.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

namespace zq::detail {
namespace {

constexpr std::int64_t kUnknown = std::numeric_limits<std::int64_t>::max();
// Left for the program itself: the message box, the texts, the allocator's slack.
constexpr std::int64_t kFixedReserve = std::int64_t{48} << 20;
constexpr std::int64_t kReserveShare = 8;  // and one eighth of the headroom

// The first number in a file, or kUnknown ("max" in a cgroup limit reads as unknown).
std::int64_t FirstNumber(const std::string& path) {
  std::ifstream in(path);
  std::int64_t v = 0;
  if (!(in >> v)) return kUnknown;
  return v;
}

std::int64_t AddressSpaceRoom() {
  rlimit rl{};
  if (getrlimit(RLIMIT_AS, &rl) != 0 || rl.rlim_cur == RLIM_INFINITY) return kUnknown;
  std::ifstream statm("/proc/self/statm");
  std::int64_t pages = 0;
  if (!(statm >> pages)) return kUnknown;
  const std::int64_t size = pages * sysconf(_SC_PAGESIZE);
  return static_cast<std::int64_t>(rl.rlim_cur) - size;
}

std::int64_t AvailableMemory() {
  std::ifstream in("/proc/meminfo");
  std::string key;
  std::int64_t kib = 0;
  std::string unit;
  while (in >> key >> kib >> unit)
    if (key == "MemAvailable:") return kib * 1024;
  return kUnknown;
}

// The tightest limit - usage over the process's cgroup and its ancestors
// (v2), or the v1 memory controller's.
std::int64_t CgroupRoom() {
  std::ifstream in("/proc/self/cgroup");
  std::string line;
  std::int64_t room = kUnknown;
  while (std::getline(in, line)) {
    const auto first = line.find(':'), second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    std::string path = line.substr(second + 1);
    if (controllers.empty()) {  // v2
      for (;;) {
        const std::string dir = "/sys/fs/cgroup" + (path == "/" ? std::string() : path);
        const std::int64_t max = FirstNumber(dir + "/memory.max");
        const std::int64_t current = FirstNumber(dir + "/memory.current");
        if (max != kUnknown && current != kUnknown) room = std::min(room, max - current);
        if (path == "/" || path.empty()) break;
        path.erase(path.rfind('/'));
        if (path.empty()) path = "/";
      }
    } else if (("," + controllers + ",").find(",memory,") != std::string::npos) {  // v1
      const std::string dir = "/sys/fs/cgroup/memory" + (path == "/" ? std::string() : path);
      const std::int64_t limit = FirstNumber(dir + "/memory.limit_in_bytes");
      const std::int64_t usage = FirstNumber(dir + "/memory.usage_in_bytes");
      // v1 writes an unlimited group as a huge page-rounded number.
      if (limit != kUnknown && usage != kUnknown && limit < (std::int64_t{1} << 62)) room = std::min(room, limit - usage);
    }
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
