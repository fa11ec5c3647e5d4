// Solve of a big system of fractions, three times, then a small one, through
// the real main window, headless; for each attempt the time, the message, the
// address-space and resident sizes before and after, and the component's
// peak. Run by hand under a limit:
//   prlimit --as=700000000 build-perf/bench/e2e/short_of_memory [n]
#include <malloc.h>

#include <QCoreApplication>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "Cases.h"
#include "framework/Framework.h"
#include "framework/MsgBox.h"
#include "shell/Startup.h"
#include "solver/Window1.h"
#include "zq/ZqTesting.h"

namespace {

// A size field of /proc/self/status ("VmSize", "VmRSS", "VmHWM") in MiB, or -1.
long long StatusMiB(const char* field) {
  std::ifstream in("/proc/self/status");
  const std::string key = std::string(field) + ":";
  std::string word;
  while (in >> word) {
    if (word == key) {
      long long kib = 0;
      in >> kib;
      return kib / 1024;
    }
    in.ignore(1 << 20, '\n');
  }
  return -1;
}

double MiB(double bytes) { return bytes / 1048576.0; }

void PrintHeap() {
  const struct mallinfo2 heap = mallinfo2();
  std::printf("  before: arena %zu MiB, free %zu MiB, mmapped %zu MiB, avail %.1f MiB\n", heap.arena >> 20,
              heap.fordblks >> 20, heap.hblkhd >> 20, MiB(static_cast<double>(zq::testing::AvailableBytes())));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  fw::RuntimeInit(argc, argv);
  QStringList messages;
  fw::SetMessageSink([&](const QString& text) { messages << text; });
  StartForTests();
  Window1& window = get::Window1();
  const int n = argc > 1 ? std::atoi(argv[1]) : 400;
  const bench::TypedSystem typed = bench::MakeSystem(bench::Case{'F', n});
  window.TextAreacm().SetText(QString::fromStdString(typed.coefficients));
  window.TextArearhs().SetText(QString::fromStdString(typed.rhs));
  QCoreApplication::processEvents();

  for (int attempt = 1; attempt <= 3; ++attempt) {
    messages.clear();
    const long long sizeBefore = StatusMiB("VmSize"), residentBefore = StatusMiB("VmRSS");
    PrintHeap();
    zq::testing::ResetPeakLiveBytes();
    const auto start = std::chrono::steady_clock::now();
    window.PushButton1().click();
    QCoreApplication::processEvents();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "attempt %d: %.2f s, message [%s], VmSize %lld -> %lld MiB, VmRSS %lld -> %lld MiB (peak RSS %lld), "
        "component peak %.1f MiB, live now %.1f MiB, solution %lld chars\n",
        attempt, seconds, messages.join("|").toStdString().c_str(), sizeBefore, StatusMiB("VmSize"), residentBefore,
        StatusMiB("VmRSS"), StatusMiB("VmHWM"), MiB(static_cast<double>(zq::testing::PeakLiveBytes())),
        MiB(static_cast<double>(zq::testing::LiveBytes())), static_cast<long long>(window.TextAreasol().Text().size()));
  }

  messages.clear();
  window.TextAreacm().SetText("2 1\n1 3\n");
  window.TextArearhs().SetText("3\n5\n");
  window.PushButton1().click();
  std::printf("small: [%s] %s\n", messages.join("|").toStdString().c_str(),
              window.TextAreasol().Text().toStdString().c_str());
  std::printf("texts kept: cm %lld chars\n", static_cast<long long>(window.TextAreacm().Text().size()));
  fw::SetMessageSink({});
  StopForTests();
  fw::RuntimeExit();
  return 0;
}
