// Runs a fuzz target's LLVMFuzzerTestOneInput on every file under the given
// files or folders, without libFuzzer: the committed seeds and crashers become
// a fast, deterministic regression test. A broken property aborts the run,
// and so does an input that takes longer than the time bound every input must
// keep (MORVESSA_REPLAY_SECONDS, default 60: generous for a sanitizer build).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
// Targets that hold a whole application tear it down here, before exit.
extern "C" __attribute__((weak)) void MorvessaFuzzFinish();

namespace fs = std::filesystem;

namespace {

// The input being replayed, for the alarm handler (which may only write).
char currentInput[4096];

extern "C" void OnTimeBoundExceeded(int) {
  const char prefix[] = "INPUT EXCEEDED THE TIME BOUND: ";
  (void)!write(STDERR_FILENO, prefix, sizeof prefix - 1);
  (void)!write(STDERR_FILENO, currentInput, std::strlen(currentInput));
  (void)!write(STDERR_FILENO, "\n", 1);
  _exit(1);
}

unsigned TimeBoundSeconds() {
  const char* text = std::getenv("MORVESSA_REPLAY_SECONDS");
  const long seconds = text ? std::strtol(text, nullptr, 10) : 60;
  return seconds > 0 ? static_cast<unsigned>(seconds) : 60;
}

bool Hidden(const fs::path& p) { return p.filename().string().starts_with('.'); }

std::vector<fs::path> InputsUnder(const fs::path& root) {
  std::vector<fs::path> files;
  if (fs::is_regular_file(root)) return {root};
  if (!fs::is_directory(root)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file() && !Hidden(entry.path()) && entry.path().filename() != "README.md")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::vector<fs::path> found = InputsUnder(argv[i]);
    inputs.insert(inputs.end(), found.begin(), found.end());
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs found\n");
    return 1;
  }
  const unsigned bound = TimeBoundSeconds();
  std::signal(SIGALRM, OnTimeBoundExceeded);
  double slowest = 0;
  fs::path slowestInput;
  for (const fs::path& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "%s\n", input.c_str());
    std::snprintf(currentInput, sizeof currentInput, "%s", input.c_str());
    const auto start = std::chrono::steady_clock::now();
    alarm(bound);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    alarm(0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds > slowest) slowest = seconds, slowestInput = input;
  }
  if (MorvessaFuzzFinish) MorvessaFuzzFinish();
  std::printf("replayed %zu inputs; slowest %.3f s: %s\n", inputs.size(), slowest, slowestInput.c_str());
  return 0;
}
