// A one-line progress bar on a terminal, redrawn in place as the render pass
// reports its percentage.
#pragma once

#include <QString>

#include <cstdio>

namespace kolvira::cli {

class ProgressBar {
public:
    // A disabled bar draws nothing, for a quiet run or a stream that is not a terminal.
    ProgressBar(std::FILE* stream, bool enabled);

    void Start(const QString& label);
    void Show(int percent);
    // Ends the bar's line, so that later messages start on a line of their own.
    void Finish();

private:
    std::FILE* stream_;
    bool enabled_;
    bool drawn_ = false;
    QString label_;
};

// The text of the bar, e.g. "photo.jpg [##########          ]  50%".
QString ProgressLine(const QString& label, int percent);

// Whether `stream` is a terminal that a progress bar can redraw in place.
bool IsTerminal(std::FILE* stream);

} // namespace kolvira::cli
