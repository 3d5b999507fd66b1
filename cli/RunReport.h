// The --report file: one JSON line per input, appended under a write lock so
// that runs on several hosts can share one file on a network file system.
#pragma once

#include "imageio/writing/WriteOutcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kolvira::cli {

enum class InputStatus { Written, Skipped, Failed };

struct ReportEntry {
    QByteArray input;  // the file system's bytes
    QByteArray output; // empty when there is none
    InputStatus status = InputStatus::Written;
    QString reason; // why it was skipped or failed
    std::int64_t ms = 0;
    std::int64_t pixels = 0; // of the written picture
};

// {"input":...,"output":...,"status":...,"reason":...,"ms":...,"pixels":...}
// and a newline. A path that is not valid UTF-8 is given as the text shown
// for it, with its bytes in hex in "input_hex" or "output_hex".
QByteArray ReportLine(const ReportEntry& entry);

class ReportFile {
public:
    ReportFile() = default;
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // Opens (creating it if need be) the file to append to; returns the
    // reason for a failure, or an empty string.
    QString Open(const QByteArray& path);
    bool IsOpen() const { return fd_ >= 0; }

    // Appends the line in one write while holding a lock on the whole file:
    // O_APPEND alone does not keep lines whole on NFS.
    WriteOutcome Append(const QByteArray& line);

private:
    int fd_ = -1;
};

} // namespace kolvira::cli
