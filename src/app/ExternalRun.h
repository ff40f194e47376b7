#pragma once
// Running external programs from a command text, and opening results.

#include <string>
#include <vector>

namespace tallowby {

// Splits a command text into arguments as a shell would, expanding nothing: blanks separate
// arguments; a double-quoted span belongs to the argument it stands in, without its quotes
// ("a b"c is the one argument "a bc", "" an empty argument).
[[nodiscard]] std::vector<std::string> SplitCommandLine(const std::string& command);

// Runs the command (no shell) with the workspace as its working folder and waits. True on exit
// status 0; false for any other status or when the program cannot be started. Shows nothing: the
// caller reports a failure with ReportRunFailure and stops.
[[nodiscard]] bool RunCommand(const std::string& command);

// "Failed when running\n<command>." as an error.
void ReportRunFailure(const std::string& command);

// Hands a result file to the desktop's default viewer.
void OpenWithDefaultViewer(const std::string& path);

}  // namespace tallowby
