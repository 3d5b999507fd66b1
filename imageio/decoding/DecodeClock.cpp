#include "imageio/decoding/DecodeClock.h"

#include <algorithm>

namespace kolvira {
namespace {

// The shortest wait between two looks at the clock, once a decode has all
// but used up its time.
constexpr std::chrono::milliseconds kShortestWait{1};

bool Read(clockid_t clock, std::chrono::nanoseconds& time) {
    timespec now{};
    if (clock_gettime(clock, &now) != 0)
        return false;
    time = std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    return true;
}

} // namespace

DecodeClock::DecodeClock(std::chrono::milliseconds limit, std::optional<clockid_t> cpuClock)
    : limit_(limit), start_(Clock::now()), wallDeadline_(start_ + kWallAllowance * limit) {
    if (cpuClock && Read(*cpuClock, cpuAtStart_)) {
        cpuClock_ = *cpuClock;
        counting_ = true;
    }
}

std::chrono::nanoseconds DecodeClock::Used() const {
    if (!counting_)
        return Clock::now() - start_;
    // A clock that can no longer be read belongs to a decode that has ended
    // (a child that exited before its answer was read): it used no more.
    if (std::chrono::nanoseconds cpu{}; Read(cpuClock_, cpu))
        lastUsed_ = cpu - cpuAtStart_;
    return lastUsed_;
}

bool DecodeClock::Expired() const {
    return Used() >= limit_ || Clock::now() >= wallDeadline_;
}

DecodeClock::Clock::time_point DecodeClock::NextCheck() const {
    // A thread's processor time runs no faster than the wall clock; a
    // child's may, with threads of its own, and is checked more often.
    const auto left = std::max<Clock::duration>(limit_ - Used(), kShortestWait);
    return std::min(Clock::now() + left, wallDeadline_);
}

std::optional<clockid_t> ThreadCpuClock(pthread_t thread) {
    clockid_t clock{};
    if (pthread_getcpuclockid(thread, &clock) != 0)
        return std::nullopt;
    return clock;
}

std::optional<clockid_t> ProcessCpuClock(pid_t pid) {
    clockid_t clock{};
    if (clock_getcpuclockid(pid, &clock) != 0)
        return std::nullopt;
    return clock;
}

} // namespace kolvira
