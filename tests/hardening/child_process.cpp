#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>

namespace korv::testing {
namespace {

constexpr uid_t kNobody = 65534;
constexpr int kBodyFailed = 3;

int ready_fd_in_child = -1;

bool write_all(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string read_all(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return text;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
}

long resident_kib() {
    long pages_total = 0;
    long pages_resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages_total >> pages_resident;
    return pages_resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void apply(const ChildLimits& limits) {
    if (limits.file_size) {
        // Without this the first write past the limit would kill the child instead of failing.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{*limits.file_size, *limits.file_size};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            _exit(kBodyFailed);
        }
    }
    if (limits.cpu_seconds) {
        const rlimit limit{*limits.cpu_seconds, *limits.cpu_seconds + 1};
        if (setrlimit(RLIMIT_CPU, &limit) != 0) {
            _exit(kBodyFailed);
        }
    }
    if (limits.unprivileged && geteuid() == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(kBodyFailed);
        }
    }
}

[[noreturn]] void run_child(const ChildBody& body, const ChildLimits& limits, int report_fd) {
    apply(limits);
    const long resident_at_start = resident_kib();
    std::string report;
    int status = 0;
    try {
        report = body();
    } catch (const std::exception& error) {
        report = std::string("exception: ") + error.what();
        status = kBodyFailed;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long growth = usage.ru_maxrss - resident_at_start;
    write_all(report_fd, std::to_string(growth) + "\n" + report);
    // No exit handlers: they belong to the parent's test program.
    _exit(status);
}

}  // namespace

ChildProcess::ChildProcess(const ChildBody& body, const ChildLimits& limits) {
    int ready[2];
    int report[2];
    if (pipe(ready) != 0 || pipe(report) != 0) {
        std::perror("pipe");
        std::abort();
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    pid_ = fork();
    if (pid_ < 0) {
        std::perror("fork");
        std::abort();
    }
    if (pid_ == 0) {
        close(ready[0]);
        close(report[0]);
        ready_fd_in_child = ready[1];
        run_child(body, limits, report[1]);
    }
    close(ready[1]);
    close(report[1]);
    ready_fd_ = ready[0];
    report_fd_ = report[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill();
        finish();
    }
    if (ready_fd_ >= 0) {
        close(ready_fd_);
    }
}

bool ChildProcess::wait_until_ready() {
    char byte = 0;
    ssize_t n;
    do {
        n = ::read(ready_fd_, &byte, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
}

void ChildProcess::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
    }
}

ChildOutcome ChildProcess::finish() {
    ChildOutcome outcome;
    if (pid_ <= 0) {
        return outcome;
    }
    const std::string output = read_all(report_fd_);
    close(report_fd_);
    report_fd_ = -1;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    outcome.completed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    const size_t line_end = output.find('\n');
    if (line_end != std::string::npos) {
        outcome.peak_memory_growth_kib = std::atol(output.substr(0, line_end).c_str());
        outcome.report = output.substr(line_end + 1);
    }
    return outcome;
}

void signal_ready() {
    if (ready_fd_in_child >= 0) {
        write_all(ready_fd_in_child, "r");
    }
}

ChildOutcome run_in_child(const ChildBody& body, const ChildLimits& limits) {
    ChildProcess child(body, limits);
    return child.finish();
}

}  // namespace korv::testing
