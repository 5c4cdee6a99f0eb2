#include "vynChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace vyn::test {

namespace {

constexpr auto PollInterval = std::chrono::milliseconds(10);

std::string CommandText(const std::vector<std::string>& command) {
    std::string text;
    for (const std::string& word : command)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

std::string MillisecondsText(Clock::duration span) {
    return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(span).count()) +
           " ms";
}

// posix_spawn's file actions, released whatever happens.
class FileActions {
  public:
    FileActions() { posix_spawn_file_actions_init(&Actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&Actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &Actions; }

  private:
    posix_spawn_file_actions_t Actions;
};

void Check(int error, const char* what) {
    if (error != 0)
        throw std::runtime_error(std::string(what) + ": " + std::strerror(error));
}

void SendToFile(FileActions& actions, int fd, const std::filesystem::path& path) {
    Check(posix_spawn_file_actions_addopen(actions.Get(), fd, path.c_str(),
                                           O_WRONLY | O_CREAT | O_TRUNC, 0644),
          "cannot redirect a stream");
}

std::string VariableName(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

// The caller's environment with `changes` replacing the variables they name or added to it.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string name = VariableName(*entry);
        const bool replaced = std::any_of(changes.begin(), changes.end(), [&](const auto& change) {
            return VariableName(change) == name;
        });
        if (!replaced)
            merged.emplace_back(*entry);
    }
    merged.insert(merged.end(), changes.begin(), changes.end());
    return merged;
}

std::vector<char*> PointersTo(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const SpawnOptions& options) {
    if (command.empty())
        throw std::invalid_argument("ChildProcess: no command given");
    FileActions actions;
    Check(posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0),
          "cannot redirect standard input");
    int pipeEnds[2] = {-1, -1};
    if (options.CaptureOutput) {
        if (pipe2(pipeEnds, O_CLOEXEC) != 0)
            throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
        OutputPipe = pipeEnds[0];
        Check(posix_spawn_file_actions_adddup2(actions.Get(), pipeEnds[1], STDOUT_FILENO),
              "cannot redirect standard output");
    }
    if (!options.ErrorFile.empty())
        SendToFile(actions, STDERR_FILENO, options.ErrorFile);
    if (!options.Folder.empty())
        Check(posix_spawn_file_actions_addchdir_np(actions.Get(), options.Folder.c_str()),
              "cannot set the working folder");

    std::vector<std::string> words = command;
    std::vector<std::string> variables = MergedEnvironment(options.Environment);
    const std::vector<char*> argv = PointersTo(words);
    const std::vector<char*> envp = PointersTo(variables);
    const int error = posix_spawnp(&Id, argv[0], actions.Get(), nullptr, argv.data(), envp.data());
    if (pipeEnds[1] >= 0)
        close(pipeEnds[1]); // the child holds the writing end now; EOF comes when it ends
    if (error != 0) {
        if (OutputPipe >= 0)
            close(OutputPipe);
        throw std::runtime_error(CommandText(command) + ": cannot start: " + std::strerror(error));
    }
}

ChildProcess::~ChildProcess() {
    if (!Status) {
        kill(Id, SIGKILL);
        int ignored = 0;
        while (waitpid(Id, &ignored, 0) < 0 && errno == EINTR) {
        }
    }
    if (OutputPipe >= 0)
        close(OutputPipe);
}

std::optional<int> ChildProcess::WaitFor(Clock::duration timeout) {
    const auto ended = [this] {
        int status = 0;
        const pid_t reaped = Status ? Id : waitpid(Id, &status, WNOHANG);
        if (reaped < 0 && errno != EINTR)
            throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
        if (!Status && reaped == Id)
            Status = status;
        return Status.has_value();
    };
    PollUntil(ended, Clock::now() + timeout, PollInterval);
    return Status;
}

std::string ChildProcess::ReadOutput(Clock::time_point deadline) {
    std::string output;
    char chunk[65536];
    while (OutputPipe >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd readable{OutputPipe, POLLIN, 0};
        const int ready = poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        const ssize_t got = read(OutputPipe, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        output.append(chunk, static_cast<size_t>(got));
    }
    return output;
}

std::string DescribeWaitStatus(int status) {
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status)) +
               (WCOREDUMP(status) ? " (core dumped)" : "");
    return "wait status " + std::to_string(status);
}

bool ExitedWith(int status, int code) {
    return WIFEXITED(status) && WEXITSTATUS(status) == code;
}

ToolResult RunTool(const std::vector<std::string>& command, Clock::duration timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    SpawnOptions options;
    options.CaptureOutput = true;
    ChildProcess tool(command, options);
    ToolResult result;
    result.Output = tool.ReadOutput(deadline);
    const std::optional<int> status = tool.WaitFor(deadline - Clock::now());
    if (!status)
        throw std::runtime_error(CommandText(command) + ": still running after " +
                                 MillisecondsText(timeout));
    result.Status = *status;
    return result;
}

std::string ToolOutput(const std::vector<std::string>& command, Clock::duration timeout) {
    ToolResult result = RunTool(command, timeout);
    if (!ExitedWith(result.Status, 0))
        throw std::runtime_error(CommandText(command) + ": " + DescribeWaitStatus(result.Status));
    return std::move(result.Output);
}

} // namespace vyn::test
