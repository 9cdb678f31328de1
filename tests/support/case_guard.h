#pragma once
// Guards of a test program that runs all its cases in one process: the case that hangs
// or crashes is named on the output before the process ends, so one bad case is still
// reported by name although its program stops with it.

namespace testsupport {

// Installs the guards; call after testing::InitGoogleTest. A case running longer than
// CONVERTER_CASE_TIMEOUT seconds (default 120) ends the process with exit code 124 after
// "[  TIMEOUT ] Suite.Case ..."; an unhandled exception or abort prints
// "[  CRASHED ] Suite.Case ..." first.
void InstallCaseGuards();

}  // namespace testsupport
