#include "cli/StopSignals.h"

#include <csignal>

#include <unistd.h>

namespace kolvira::cli {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

void AskToStop(int signal) {
    stopSignal = signal;
    static constexpr char kMessage[] = "\nkolvira-render: stopping after the picture in "
                                       "progress; press Ctrl+C again to stop at once\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
}

} // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = AskToStop;
    sigemptyset(&action.sa_mask);
    // The handler runs once; the next signal has its default effect.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int StopSignal() {
    return stopSignal;
}

} // namespace kolvira::cli
