#pragma once
// Runs a list of jobs in one process, so that a table of conversions starts Wine once.
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// One job's arguments (as a command line would give them after the program's name);
// answers the job's exit code.
using TJobRunner = std::function<int(const std::vector<std::string>&)>;

// Runs the jobs of the file at `path`, one per line, its arguments separated by tabs
// (empty lines are skipped). Around each job it prints "@job N" and "@done N exit=E"
// (N counting lines from 1) on lines of their own, flushed, so that a reader knows which
// job ran when the process hung or crashed. A job that throws ends with exit code 1.
// Answers 0 when every job answered 0, 1 otherwise, 2 when the file cannot be read.
int RunJobList(const std::string& path, const TJobRunner& run);

// The arguments of one line of a job list.
std::vector<std::string> SplitJobLine(const std::string& line);

}  // namespace testsupport
