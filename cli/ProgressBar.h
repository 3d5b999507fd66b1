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

    // `counter` ("3/30") stands before the label and is never shortened.
    void Start(const QString& label, const QString& counter = {});
    void SetCounter(const QString& counter) { counter_ = counter; }
    void Show(int percent);
    // Ends the bar's line, so that later messages start on a line of their own.
    void Finish();

private:
    std::FILE* stream_;
    bool enabled_;
    bool drawn_ = false;
    QString label_;
    QString counter_;
};

// The text of the bar, e.g. "photo.jpg [##########          ]  50%", or
// "3/30 photo.jpg [...]" with a counter.
QString ProgressLine(const QString& label, int percent, const QString& counter = {});

// Whether `stream` is a terminal that a progress bar can redraw in place.
bool IsTerminal(std::FILE* stream);

} // namespace kolvira::cli
