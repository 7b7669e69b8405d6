#include "program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace lm::test {

namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int fd[2] = {-1, -1};
    bool Open() { return pipe2(fd, O_CLOEXEC) == 0; }
    void Close(int end) {
        if (fd[end] >= 0) close(fd[end]);
        fd[end] = -1;
    }
    ~Pipe() {
        Close(0);
        Close(1);
    }
};

pid_t Start(const std::string& program, const std::vector<std::string>& args, Pipe& in, Pipe& out,
            Pipe& err) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in.fd[0], STDIN_FILENO);
        dup2(out.fd[1], STDOUT_FILENO);
        dup2(err.fd[1], STDERR_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& input, int timeoutMs) {
    // A program that ends before it has read its input must not end the test with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    ProgramRun run;
    Pipe in, out, err;
    if (!in.Open() || !out.Open() || !err.Open()) return run;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start(program, args, in, out, err);
    if (pid < 0) return run;
    in.Close(0);
    out.Close(1);
    err.Close(1);
    fcntl(in.fd[1], F_SETFL, O_NONBLOCK);
    std::size_t written = 0;
    if (input.empty()) in.Close(1);
    bool timedOut = false;
    while (out.fd[0] >= 0 || err.fd[0] >= 0) {
        const auto left = std::chrono::milliseconds(timeoutMs) - (Clock::now() - start);
        if (left <= Clock::duration::zero()) {
            timedOut = true;
            break;
        }
        pollfd fds[3] = {{out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}, {in.fd[1], POLLOUT, 0}};
        poll(fds, 3,
             static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count()) + 1);
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? run.out : run.err).append(buffer, static_cast<std::size_t>(n));
            } else {
                (i == 0 ? out : err).Close(0);
            }
        }
        if (fds[2].fd >= 0 && fds[2].revents != 0) {
            const ssize_t n = write(in.fd[1], input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 || written == input.size()) in.Close(1);
        }
    }
    if (timedOut) kill(pid, SIGKILL);
    int raw = 0;
    waitpid(pid, &raw, 0);
    run.ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    run.status = !timedOut && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

}  // namespace lm::test
