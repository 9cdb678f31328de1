#include "job_list.h"

#include <cstdio>
#include <exception>
#include <fstream>

namespace testsupport {

std::vector<std::string> SplitJobLine(const std::string& line) {
  std::vector<std::string> arguments;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    arguments.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return arguments;
    start = tab + 1;
  }
}

namespace {

int RunGuarded(const TJobRunner& run, const std::vector<std::string>& arguments) {
  try {
    return run(arguments);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "job failed: %s\n", error.what());
    return 1;
  }
}

}  // namespace

int RunJobList(const std::string& path, const TJobRunner& run) {
  std::ifstream list(path);
  if (!list) {
    std::fprintf(stderr, "cannot read the job list %s\n", path.c_str());
    return 2;
  }
  int status = 0;
  std::string line;
  for (int number = 1; std::getline(list, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::printf("@job %d\n", number);
    std::fflush(stdout);
    const int code = RunGuarded(run, SplitJobLine(line));
    std::fflush(stderr);
    std::printf("@done %d exit=%d\n", number, code);
    std::fflush(stdout);
    if (code != 0) status = 1;
  }
  return status;
}

}  // namespace testsupport
