#pragma once
// Runs part of a test in a forked child process: there it can be given limits the test itself
// must not have (a small file-size limit that makes writes fail as on a full disk, the rights of
// an unprivileged user), be killed at any moment, and have its peak memory measured on its own.

#include <sys/resource.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>

namespace korv::testing {

struct ChildLimits {
    // The largest file the child may write, in bytes; a write past it fails as on a full disk.
    std::optional<rlim_t> file_size;
    // When the test runs as root, the child runs as the user "nobody", so that file permissions
    // bind as they do for a user.
    bool unprivileged = false;
    // Processor time after which the child is stopped (it then ends by a signal).
    std::optional<rlim_t> cpu_seconds;
};

struct ChildOutcome {
    bool completed = false;           // its body returned
    int signal = 0;                   // the signal that ended it, 0 when none did
    std::string report;               // what its body returned
    long peak_memory_growth_kib = 0;  // peak resident memory above what it had when it began
};

// What the child runs; it returns its report for the parent.
using ChildBody = std::function<std::string()>;

class ChildProcess {
public:
    ChildProcess(const ChildBody& body, const ChildLimits& limits = {});
    // Kills the child if it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits until the child calls `signal_ready` (true) or ends without having called it (false).
    bool wait_until_ready();
    void kill();
    // Waits for the child to end.
    ChildOutcome finish();

private:
    pid_t pid_ = -1;
    int ready_fd_ = -1;
    int report_fd_ = -1;
};

// In a child: lets `wait_until_ready` in the parent return.
void signal_ready();

// Runs `body` in a child and waits for it.
ChildOutcome run_in_child(const ChildBody& body, const ChildLimits& limits = {});

}  // namespace korv::testing
