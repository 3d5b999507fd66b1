// Runs numbered chunks of work on several threads, the calling thread among
// them, and lets the calling thread look at the progress while it waits.
#pragma once

#include <functional>

namespace kolvira {

// Calls work(chunk, worker) once for every chunk in 0..chunkCount-1, taking
// chunks in increasing order from a shared counter; worker is 0..threads-1,
// and 0 is the calling thread. `poll` runs on the calling thread between its
// chunks and, once it has none left, every few milliseconds until all are done.
void RunChunks(int threads, int chunkCount, const std::function<void(int chunk, int worker)>& work,
               const std::function<void()>& poll);

} // namespace kolvira
