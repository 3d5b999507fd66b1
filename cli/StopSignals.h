// Ctrl+C (SIGINT) and SIGTERM during a render run: the run finishes the
// picture in progress, whose output is then complete, and stops before the
// next one. A second signal stops at once; outputs are written atomically,
// so even then none is left half-written.
#pragma once

namespace kolvira::cli {

void CatchStopSignals();

// The signal that asked the run to stop, or 0.
int StopSignal();

// The exit status of a run stopped by `signal`: 128 + its number, as a shell
// reports a program the signal killed.
inline int StoppedExitStatus(int signal) {
    return 128 + signal;
}

} // namespace kolvira::cli
