#include "PariPeer.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "ChildProcess.h"
#include "Measure.h"

namespace bench {
namespace {

// Typed text (rows on lines, blanks between entries) as a gp matrix literal.
std::string GpMatrix(const std::string& typed) {
  std::string out = "[";
  bool rowOpen = false;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char ch = typed[i];
    if (ch == ' ') {
      out += ',';
    } else if (ch == '\n') {
      out += ';';
      rowOpen = false;
    } else {
      out += ch;
      rowOpen = true;
    }
  }
  if (!rowOpen && out.back() == ';') out.pop_back();
  return out + "]";
}

}  // namespace

bool PariAvailable() {
  const ChildResult r = RunChild({"gp", "-q", "-f", "--version-short"});
  return r.status == 0;
}

std::optional<PariFigures> RunPari(const Case& c, int reps) {
  if (c.kind == 'P') return std::nullopt;
  const TypedSystem typed = MakeSystem(c);
  char path[] = "/tmp/solve_bench_XXXXXX.gp";
  const int fd = mkstemps(path, 3);
  if (fd < 0) return std::nullopt;
  close(fd);
  {
    std::ofstream gp(path);
    const char* solve = c.kind == 'R' ? "matinverseimage(A,B)" : "matsolve(A,B)";
    gp << "default(nbthreads,1);\nA=" << GpMatrix(typed.coefficients) << ";\nB=" << GpMatrix(typed.rhs) << ";\n"
       << "for(r=1," << reps << ",t=getwalltime();X=" << solve << ";d=matdet(A);"
       << "print(\"TIME \",getwalltime()-t));\nquit\n";
  }
  const ChildResult r = RunChild({"gp", "-q", "-f", "-D", "parisizemax=8000000000", "-D", "nbthreads=1", path});
  std::remove(path);
  if (r.status != 0) return std::nullopt;
  std::vector<double> times;
  std::istringstream lines(r.output);
  std::string line;
  while (std::getline(lines, line))
    if (line.rfind("TIME ", 0) == 0) times.push_back(std::stod(line.substr(5)) / 1000.0);
  if (times.empty()) return std::nullopt;
  return PariFigures{Median(times), r.peakMiB};
}

}  // namespace bench
