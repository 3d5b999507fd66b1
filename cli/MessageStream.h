// Where kolvira-render's own messages go. Libraries print lines of their own
// straight to stderr (libpng's errors, libjxl's failure traces), from any
// thread and at any time, while the program reports each file and its reason
// itself. So for the run stderr leads nowhere, and the program writes to a
// copy of what stderr was.
#pragma once

#include <cstdio>

namespace kolvira::cli {

// Points stderr at /dev/null and keeps what it was for Messages(); Qt
// messages that no decode collects go there too. Called once, first thing.
void KeepLibraryLinesOffStderr();

// The program's stderr: what stderr was before the call above.
std::FILE* Messages();

} // namespace kolvira::cli
