#include "imageio/decoding/DecodeWatchdog.h"

#include <cstdio>
#include <cstdlib>

namespace kolvira {
namespace {

std::mutex runningMutex;
std::condition_variable allEnded;
int running = 0;

} // namespace

void RunningDecodes::Started() {
    const std::lock_guard lock(runningMutex);
    ++running;
}

void RunningDecodes::Ended() {
    const std::lock_guard lock(runningMutex);
    if (--running == 0)
        allEnded.notify_all();
}

bool RunningDecodes::AwaitAll(std::chrono::milliseconds limit) {
    std::unique_lock lock(runningMutex);
    return allEnded.wait_for(lock, limit, [] { return running == 0; });
}

int LeaveAfterDecodes(int status, std::chrono::milliseconds limit) {
    if (RunningDecodes::AwaitAll(limit))
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace kolvira
