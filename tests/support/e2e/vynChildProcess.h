// Child processes for the end-to-end tests: starts a program (in a folder of its own, with its
// standard streams sent to files or a pipe), waits for it with a deadline, and kills it if it is
// still running when its object goes, so that no test leaves a process behind or waits for ever.
// RunTool runs a short command line (xdotool, import, the generator) to its end and returns what
// it printed. An object belongs to the thread that made it (the test's main thread).
#pragma once

#include "tests/support/e2e/vynPolling.h"

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vyn::test {

struct SpawnOptions {
    std::filesystem::path Folder;    // working folder; empty: the caller's
    std::filesystem::path ErrorFile; // standard error goes there; empty: inherited
    bool CaptureOutput = false;      // standard output into a pipe that ReadOutput drains
    // "NAME=value" entries that replace or add to the caller's environment.
    std::vector<std::string> Environment;
};

class ChildProcess {
  public:
    // Starts command[0] (searched on PATH when it has no slash) with standard input from
    // /dev/null; throws std::runtime_error when it cannot be started.
    ChildProcess(const std::vector<std::string>& command, const SpawnOptions& options);
    // Kills the process if it has not been waited for, and reaps it.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return Id; }
    // The wait status (as waitpid gives it) once the process has ended, waiting at most
    // `timeout`; none if it is still running then.
    std::optional<int> WaitFor(Clock::duration timeout);
    // Standard output up to its end, or up to the deadline if it stays open that long.
    std::string ReadOutput(Clock::time_point deadline);

  private:
    pid_t Id = -1;
    std::optional<int> Status;
    int OutputPipe = -1;
};

// "exit status N", or "killed by signal N" with " (core dumped)" where it applies.
std::string DescribeWaitStatus(int status);
bool ExitedWith(int status, int code);

struct ToolResult {
    int Status = 0;
    std::string Output;
};

// Runs command to its end and returns its wait status and standard output; throws
// std::runtime_error if it cannot start or has not ended within timeout (it is killed then).
ToolResult RunTool(const std::vector<std::string>& command, Clock::duration timeout);
// RunTool for a command that must succeed: its output, or std::runtime_error saying how it failed.
std::string ToolOutput(const std::vector<std::string>& command, Clock::duration timeout);

} // namespace vyn::test
