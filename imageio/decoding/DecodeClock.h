// The clock a decode's time limit runs on. It counts the processor time of
// the thread or child process doing the decode, not the time on the wall: on
// a busy machine (a build, other batch jobs, `nice kolvira-render`) every
// decode waits its turn for a processor, and that wait must not turn good
// photos into "took too long". A decoder that runs away on a hostile file
// spends processor time and is stopped at the limit as before; one stuck
// waiting (a hung file system, a child that sleeps) is stopped once the wall
// clock passes kWallAllowance times the limit.
#pragma once

#include <chrono>
#include <ctime>
#include <optional>

#include <pthread.h>
#include <sys/types.h>

namespace kolvira {

inline constexpr int kWallAllowance = 4;

class DecodeClock {
public:
    using Clock = std::chrono::steady_clock;

    // Starts now, counting the processor time of `cpuClock` (a thread's or a
    // process's clock), or the wall time without one.
    DecodeClock(std::chrono::milliseconds limit, std::optional<clockid_t> cpuClock);

    // Whether the decode has used up its time.
    bool Expired() const;

    // When to ask again: the decode cannot use up its time before then.
    Clock::time_point NextCheck() const;

private:
    std::chrono::nanoseconds Used() const;

    std::chrono::milliseconds limit_;
    Clock::time_point start_, wallDeadline_;
    clockid_t cpuClock_{};
    bool counting_ = false;
    std::chrono::nanoseconds cpuAtStart_{};
    mutable std::chrono::nanoseconds lastUsed_{};
};

// The processor-time clock of the thread `thread` or of the process `pid`;
// nothing when the system has none to give.
std::optional<clockid_t> ThreadCpuClock(pthread_t thread);
std::optional<clockid_t> ProcessCpuClock(pid_t pid);

} // namespace kolvira
