// The job lists the console programs behind the output tables run in one process: every
// line's arguments reach the job, and each job is framed by markers that name it even when
// it fails or throws.
#include <gtest/gtest.h>
#include <io.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "job_list.h"
#include "test_support.h"

namespace {

using Arguments = std::vector<std::string>;

TEST(JobList, SplitsALineAtEveryTabKeepingEmptyArguments) {
  const struct {
    const char* line;
    Arguments arguments;
  } cases[] = {
      {"one", {"one"}},
      {"a b\tc", {"a b", "c"}},
      {"a\t\tb", {"a", "", "b"}},
      {"a\t", {"a", ""}},
      {"Z:\\x y\\in.avi\tmp3:CBR 128 kbit/s\t--title\tA \"clip\"", {"Z:\\x y\\in.avi", "mp3:CBR 128 kbit/s", "--title", "A \"clip\""}},
  };
  for (const auto& c : cases) EXPECT_EQ(testsupport::SplitJobLine(c.line), c.arguments) << c.line;
}

// Runs the list with standard output sent to a file; answers what was printed.
std::string RunCapturingOutput(const std::string& list, const testsupport::TJobRunner& run, int& status) {
  const std::string folder = testsupport::FreshTempFolder("job_list_test");
  const std::string printed = folder + "\\printed.txt";
  std::fflush(stdout);
  const int saved = _dup(1);
  FILE* file = std::fopen(printed.c_str(), "w");
  _dup2(_fileno(file), 1);
  status = testsupport::RunJobList(list, run);
  std::fflush(stdout);
  _dup2(saved, 1);
  _close(saved);
  std::fclose(file);
  std::ifstream in(printed);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(JobList, RunsEveryLineAndFramesEachJobByItsLineNumber) {
  const std::string list = testsupport::FreshTempFolder("job_list_input") + "\\jobs.txt";
  std::ofstream(list, std::ios::binary) << "ok\tfirst\r\n\nfail\tsecond\nthrow\nok\tlast\n";
  std::vector<Arguments> seen;
  int status = -1;
  const std::string printed = RunCapturingOutput(list, [&](const Arguments& arguments) {
    seen.push_back(arguments);
    if (arguments[0] == "throw") throw std::runtime_error("broken job");
    std::printf("ran %s\n", arguments[1].c_str());
    return arguments[0] == "fail" ? 3 : 0;
  }, status);

  EXPECT_EQ(seen, (std::vector<Arguments>{{"ok", "first"}, {"fail", "second"}, {"throw"}, {"ok", "last"}}));
  EXPECT_EQ(status, 1);
  EXPECT_EQ(printed,
            "@job 1\nran first\n@done 1 exit=0\n"
            "@job 3\nran second\n@done 3 exit=3\n"
            "@job 4\n@done 4 exit=1\n"
            "@job 5\nran last\n@done 5 exit=0\n");
}

TEST(JobList, AnswersZeroOnlyWhenEveryJobSucceeded) {
  const std::string list = testsupport::FreshTempFolder("job_list_all_ok") + "\\jobs.txt";
  std::ofstream(list) << "a\nb\n";
  int status = -1;
  RunCapturingOutput(list, [](const Arguments&) { return 0; }, status);
  EXPECT_EQ(status, 0);
}

TEST(JobList, AMissingListIsAnErrorWithoutJobs) {
  int calls = 0;
  int status = -1;
  const std::string printed = RunCapturingOutput("Z:\\no\\such\\list.txt", [&](const Arguments&) {
    ++calls;
    return 0;
  }, status);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(printed, "");
}

}  // namespace
