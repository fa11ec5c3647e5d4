// Solve of a big system of fractions, three times, then a small one, through
// the real main window, headless; for each attempt the time, the message, the
// address-space and resident sizes before and after, and the component's
// peak. Run by hand under a limit:
//   prlimit --as=700000000 build-perf/bench/e2e/short_of_memory [n]
#include <QCoreApplication>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <malloc.h>
#include "Cases.h"
#include "framework/Framework.h"
#include "framework/MsgBox.h"
#include "shell/Startup.h"
#include "solver/Window1.h"
#include "zq/ZqTesting.h"
static long long Field(const char* f) { std::ifstream in("/proc/self/status"); std::string k; while (in >> k) { if (k == std::string(f) + ":") { long long v; in >> v; return v / 1024; } in.ignore(1 << 20, '\n'); } return -1; }
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  fw::RuntimeInit(argc, argv);
  QStringList msgs;
  fw::SetMessageSink([&](const QString& t) { msgs << t; });
  StartForTests();
  Window1& w = get::Window1();
  const int n = argc > 1 ? std::atoi(argv[1]) : 400;
  const bench::TypedSystem typed = bench::MakeSystem(bench::Case{'F', n});
  w.TextAreacm().SetText(QString::fromStdString(typed.coefficients));
  w.TextArearhs().SetText(QString::fromStdString(typed.rhs));
  QCoreApplication::processEvents();
  for (int attempt = 0; attempt < 3; ++attempt) {
    msgs.clear();
    const long long vs = Field("VmSize"), rss = Field("VmRSS");
    { auto mi = mallinfo2(); std::printf("  before: arena %zu MiB, free %zu MiB, mmapped %zu MiB, avail %.1f MiB\n", mi.arena >> 20, mi.fordblks >> 20, mi.hblkhd >> 20, zq::testing::AvailableBytes() / 1048576.0); }
    zq::testing::ResetPeakLiveBytes();
    const auto t0 = std::chrono::steady_clock::now();
    w.PushButton1().click();
    QCoreApplication::processEvents();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::setvbuf(stdout, nullptr, _IONBF, 0); std::printf("attempt %d: %.2f s, message [%s], VmSize %lld -> %lld MiB, VmRSS %lld -> %lld MiB (peak RSS %lld), component peak %.1f MiB, live now %.1f MiB, solution %lld chars\n",
                attempt + 1, s, msgs.join("|").toStdString().c_str(), vs, Field("VmSize"), rss, Field("VmRSS"), Field("VmHWM"),
                zq::testing::PeakLiveBytes() / 1048576.0, zq::testing::LiveBytes() / 1048576.0, (long long)w.TextAreasol().Text().size());
  }
  msgs.clear();
  w.TextAreacm().SetText("2 1\n1 3\n");
  w.TextArearhs().SetText("3\n5\n");
  w.PushButton1().click();
  std::printf("small: [%s] %s\n", msgs.join("|").toStdString().c_str(), w.TextAreasol().Text().toStdString().c_str());
  std::printf("texts kept: cm %lld chars\n", (long long)w.TextAreacm().Text().size());
  std::fflush(stdout);
  fw::SetMessageSink({});
  StopForTests();
  fw::RuntimeExit();
  return 0;
}
