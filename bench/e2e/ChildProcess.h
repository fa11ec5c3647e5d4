// Runs a program as a child process, so that every measurement starts from a
// clean process and has a clean peak memory.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ChildResult {
  int status = -1;       // exit status, or -1 when it did not exit normally
  std::string output;    // what it wrote to stdout
  double peakMiB = 0;    // its peak resident set
  double seconds = 0;    // wall time of the whole child
};

// argv[0] is looked up in PATH. stderr goes to /dev/null unless keepStderr.
ChildResult RunChild(const std::vector<std::string>& argv, bool keepStderr = false);

// The line of output that begins with "RESULT ", without that word; empty when none.
std::string ResultLine(const std::string& output);

}  // namespace bench
