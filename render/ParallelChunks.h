// The program's worker threads: how many there are, and numbered chunks of
// work run on them, the calling thread among them, while the calling thread
// looks at the progress as it waits. Render passes, row bands of colour
// conversions, the thumbnails of a Mosaic and the decoders' own threads all
// take their count from here.
#pragma once

#include <functional>

namespace kolvira {

// How many threads `requested` stands for: itself when positive (at most
// 256, as more only cost memory and start-up time), or one per core when 0.
int ResolveThreadCount(int requested);

// Calls work(chunk, worker) once for every chunk in 0..chunkCount-1, taking
// chunks in increasing order from a shared counter; worker is 0..threads-1,
// and 0 is the calling thread. `poll` runs on the calling thread between its
// chunks and, once it has none left, every few milliseconds until all are done.
// When the system gives fewer threads than asked, those it gives do all the
// chunks.
void RunChunks(int threads, int chunkCount, const std::function<void(int chunk, int worker)>& work,
               const std::function<void()>& poll);

} // namespace kolvira
