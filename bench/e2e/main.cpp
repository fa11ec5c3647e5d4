// End-to-end Solve benchmark.
//
//   taskset -c 7 build/bench/e2e/solve_bench [--quick] [--only S400,F400] [--reps N] [--no-pari]
//
// For each case (fixed seed) it runs, each in a fresh child process:
//   Solve  the whole Solve through the real main window, headless: typed texts
//          in TextAreacm / TextArearhs, a click on "Solve", until TextAreasol and
//          TextAreazq hold their texts;
//   ref    the same work on FLINT directly (fmpq_set_str, fmpq_mat_det,
//          fmpq_mat_solve or fmpq_mat_rref, decimal text of the result);
//   PARI   gp with one thread, matsolve + matdet (when gp is installed).
// Times are medians; "peak" is the growth of the peak resident set during the
// work for Solve and ref, and gp's whole peak for PARI. "check" compares the
// numbers in TextAreasol with FLINT's.
#include <sched.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Measure.h"
#include "PariPeer.h"

namespace {

using namespace bench;

struct Figures {
  double seconds = -1;
  double peak = 0;
  std::string digest;
  std::string extra;
};

std::optional<Figures> RunMeasured(const char* what, const Case& c, int reps) {
  const ChildResult r = RunChild({"/proc/self/exe", "--child", what, std::string(1, c.kind), std::to_string(c.n),
                                  std::to_string(reps)});
  const std::string line = ResultLine(r.output);
  if (r.status != 0 || line.empty()) return std::nullopt;
  std::istringstream in(line);
  Figures f;
  in >> f.seconds >> f.peak >> f.digest;
  std::getline(in, f.extra);
  return f;
}

int Reps(const Case& c, int forced) {
  if (forced > 0) return forced;
  return c.n <= 200 ? 5 : 3;
}

std::string Cell(double v, const char* fmt) {
  if (v < 0) return "-";
  char b[32];
  std::snprintf(b, sizeof b, fmt, v);
  return b;
}

void PrintMachine() {
  cpu_set_t set;
  CPU_ZERO(&set);
  sched_getaffinity(0, sizeof set, &set);
  double load[3] = {0, 0, 0};
  getloadavg(load, 3);
  std::printf("# solve_bench: %d CPU(s) allowed, load average %.2f %.2f %.2f\n", CPU_COUNT(&set), load[0], load[1],
              load[2]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && std::strcmp(argv[1], "--child") == 0) {
    const Case c{argv[3][0], std::atoi(argv[4])};
    const int reps = std::atoi(argv[5]);
    return std::strcmp(argv[2], "solve") == 0 ? RunSolveChild(c, reps) : RunReferenceChild(c, reps);
  }
  bool quick = false, pari = true;
  int reps = 0;
  std::set<std::string> only;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--quick") {
      quick = true;
    } else if (a == "--no-pari") {
      pari = false;
    } else if (a == "--reps" && i + 1 < argc) {
      reps = std::atoi(argv[++i]);
    } else if (a == "--only" && i + 1 < argc) {
      std::stringstream names(argv[++i]);
      for (std::string n; std::getline(names, n, ',');) only.insert(n);
    } else {
      std::fprintf(stderr, "usage: %s [--quick] [--only S400,F400,...] [--reps N] [--no-pari]\n", argv[0]);
      return 2;
    }
  }
  std::vector<Case> cases;
  for (int n : {100, 200, 400, 800}) cases.push_back({'S', n});
  for (int n : {100, 200, 400}) cases.push_back({'F', n});
  cases.push_back({'M', 200});
  for (int n : {100, 200, 400}) cases.push_back({'R', n});
  cases.push_back({'P', 1000});
  std::vector<Case> chosen;
  for (const Case& c : cases) {
    std::string key = std::string(1, c.kind) + std::to_string(c.n);
    if (!only.empty() ? only.count(key) > 0 : (!quick || (c.n <= 200 && c.kind != 'P'))) chosen.push_back(c);
  }

  PrintMachine();
  const bool havePari = pari && PariAvailable();
  if (!havePari) std::printf("# PARI/GP: %s\n", pari ? "gp not installed, column skipped" : "skipped (--no-pari)");
  std::printf("%-8s %5s %9s %9s %9s %9s %9s %9s %9s %9s %7s %7s %6s\n", "case", "n", "Solve s", "ref s", "Solve/ref",
              "PARI s", "PARI/Sol", "peakSolMB", "peakRefMB", "peakPARI", "grSolve", "grRef", "check");
  std::map<char, std::pair<double, double>> previous;  // kind -> (Solve, ref) of the last n
  std::vector<std::string> notes;
  for (const Case& c : chosen) {
    const int k = Reps(c, reps);
    const auto solve = RunMeasured("solve", c, k);
    const auto ref = RunMeasured("ref", c, k);
    std::optional<PariFigures> gp;
    if (havePari) gp = RunPari(c, reps > 0 ? reps : (c.n <= 200 ? 3 : 1));
    const double ts = solve ? solve->seconds : -1, tr = ref ? ref->seconds : -1;
    const double tp = gp ? gp->seconds : -1;
    std::string check = "-";
    if (c.kind != 'P' && solve && ref) check = solve->digest == ref->digest ? "same" : "DIFFER";
    if (c.kind == 'P' && solve) check = solve->extra.find("UNEXPECTED") == std::string::npos ? "mismatch" : "BAD";
    double grS = -1, grR = -1;
    if (auto it = previous.find(c.kind); it != previous.end() && ts > 0 && tr > 0) {
      grS = ts / it->second.first;
      grR = tr / it->second.second;
    }
    previous[c.kind] = {ts, tr};
    std::printf("%-8s %5d %9s %9s %9s %9s %9s %9s %9s %9s %7s %7s %6s\n", c.Name().c_str(), c.n,
                Cell(ts, "%.3f").c_str(), Cell(tr, "%.3f").c_str(), Cell(ts > 0 && tr > 0 ? ts / tr : -1, "%.2f").c_str(),
                Cell(tp, "%.3f").c_str(), Cell(tp > 0 && ts > 0 ? tp / ts : -1, "%.1f").c_str(),
                Cell(solve ? solve->peak : -1, "%.1f").c_str(), Cell(ref ? ref->peak : -1, "%.1f").c_str(),
                Cell(gp ? gp->peakMiB : -1, "%.0f").c_str(), Cell(grS, "%.2f").c_str(), Cell(grR, "%.2f").c_str(),
                check.c_str());
    std::fflush(stdout);
    if (solve) notes.push_back(c.Name() + " Solve " + solve->extra);
    if (ref) notes.push_back(c.Name() + " ref   " + ref->extra);
    if (!solve) notes.push_back(c.Name() + " Solve FAILED");
    if (!ref) notes.push_back(c.Name() + " ref FAILED");
  }
  std::printf("\n# Breakdown (seconds, one run each, same public calls as the Solve):\n");
  for (const std::string& n : notes) std::printf("%s\n", n.c_str());
  std::printf("# grSolve/grRef: time over the time at half the n. peak*: MiB, growth during the work"
              " (PARI: gp's whole process).\n# R cases: PARI does matinverseimage + matdet (matsolve needs an"
              " invertible matrix).\n");
  return 0;
}
