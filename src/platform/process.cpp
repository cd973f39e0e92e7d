#include "platform/process.h"

#include "platform/error.h"
#include "platform/text.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>

extern char** environ;

namespace platform {
namespace {

class Pipe {
public:
    Pipe()
    {
#if defined(__linux__)
        if (::pipe2(ends_.data(), O_CLOEXEC) != 0)
            throw posixError(errno, "Couldn't create a pipe");
#else
        if (::pipe(ends_.data()) != 0)
            throw posixError(errno, "Couldn't create a pipe");
        ::fcntl(ends_[0], F_SETFD, FD_CLOEXEC);
        ::fcntl(ends_[1], F_SETFD, FD_CLOEXEC);
#endif
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe()
    {
        closeReadEnd();
        closeWriteEnd();
    }

    int readEnd() const
    {
        return ends_[0];
    }
    int writeEnd() const
    {
        return ends_[1];
    }
    void closeReadEnd()
    {
        closeEnd(0);
    }
    void closeWriteEnd()
    {
        closeEnd(1);
    }

private:
    void closeEnd(int which)
    {
        if (ends_[which] >= 0)
            ::close(ends_[which]);
        ends_[which] = -1;
    }

    std::array<int, 2> ends_{-1, -1};
};

// argv for exec: pointers into `arguments`, which must outlive it.
std::vector<char*> argumentVector(const std::string& path, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

Error launchError(int errorNumber, const std::string& path)
{
    return posixError(errorNumber, "Couldn't launch " + inQuotes(path));
}

int waitForExit(pid_t pid, const std::string& path)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            throw posixError(errno, "Couldn't wait for " + inQuotes(path));
    }
    return status;
}

// Reads both pipes until each reports end of file.
void drain(Pipe& errorPipe, std::string& errorText, Pipe& outputPipe, std::string& outputText)
{
    std::array<pollfd, 2> ends{pollfd{errorPipe.readEnd(), POLLIN, 0}, pollfd{outputPipe.readEnd(), POLLIN, 0}};
    std::array<std::string*, 2> texts{&errorText, &outputText};
    std::array<char, 16384> buffer;
    int open = 2;
    while (open > 0) {
        if (::poll(ends.data(), ends.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        for (std::size_t i = 0; i < ends.size(); ++i) {
            if (ends[i].fd < 0 || ends[i].revents == 0)
                continue;
            const ssize_t count = ::read(ends[i].fd, buffer.data(), buffer.size());
            if (count > 0) {
                texts[i]->append(buffer.data(), static_cast<std::size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                ends[i].fd = -1;  // poll skips negative descriptors
                --open;
            }
        }
    }
}

}  // namespace

void launchDetached(const std::string& path, const std::vector<std::string>& arguments)
{
    // Double fork: the short-lived middle child is reaped here at once, and the program itself
    // is adopted by init, which reaps it. The grandchild reports a failed exec through a pipe
    // that closes by itself on a successful one. Only async-signal-safe calls after fork.
    const std::vector<char*> argv = argumentVector(path, arguments);
    Pipe failure;
    const pid_t middle = ::fork();
    if (middle == 0) {
        const pid_t program = ::fork();
        if (program == 0) {
            ::execve(path.c_str(), argv.data(), environ);
            const int errorNumber = errno;
            [[maybe_unused]] ssize_t ignored = ::write(failure.writeEnd(), &errorNumber, sizeof errorNumber);
            ::_exit(127);
        }
        if (program < 0) {
            const int errorNumber = errno;
            [[maybe_unused]] ssize_t ignored = ::write(failure.writeEnd(), &errorNumber, sizeof errorNumber);
        }
        ::_exit(0);
    }
    if (middle < 0)
        throw launchError(errno, path);
    failure.closeWriteEnd();
    waitForExit(middle, path);

    int errorNumber = 0;
    ssize_t count;
    do {
        count = ::read(failure.readEnd(), &errorNumber, sizeof errorNumber);
    } while (count < 0 && errno == EINTR);
    if (count == static_cast<ssize_t>(sizeof errorNumber))
        throw launchError(errorNumber, path);
}

ProcessResult runToEnd(const std::string& path, const std::vector<std::string>& arguments)
{
    Pipe errorPipe;
    Pipe outputPipe;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errorPipe.writeEnd(), STDERR_FILENO);
    posix_spawn_file_actions_adddup2(&actions, outputPipe.writeEnd(), STDOUT_FILENO);

    const std::vector<char*> argv = argumentVector(path, arguments);
    pid_t pid = 0;
    const int spawnError = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0)
        throw launchError(spawnError, path);

    errorPipe.closeWriteEnd();
    outputPipe.closeWriteEnd();
    ProcessResult result;
    drain(errorPipe, result.standardError, outputPipe, result.standardOutput);

    const int status = waitForExit(pid, path);
    if (WIFSIGNALED(status)) {
        result.killedBySignal = true;
        result.terminationStatus = WTERMSIG(status);
    } else {
        result.terminationStatus = WEXITSTATUS(status);
    }
    return result;
}

}  // namespace platform
