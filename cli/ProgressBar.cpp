#include "cli/ProgressBar.h"

#include <algorithm>

#include <unistd.h>

namespace kolvira::cli {
namespace {

constexpr int kBarCells = 30;
constexpr int kLabelChars = 40;

} // namespace

QString ProgressLine(const QString& label, int percent, const QString& counter) {
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * kBarCells / 100;
    // Long names keep their end, which tells files apart better than their start.
    const QString shown =
        label.size() > kLabelChars ? QStringLiteral("...") + label.right(kLabelChars - 3) : label;
    return QStringLiteral("%1 [%2%3] %4%")
        .arg(counter.isEmpty() ? shown : counter + u' ' + shown, QString(filled, u'#'),
             QString(kBarCells - filled, u' '))
        .arg(percent, 3);
}

bool IsTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) == 1;
}

ProgressBar::ProgressBar(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}

void ProgressBar::Start(const QString& label, const QString& counter) {
    Finish();
    label_ = label;
    counter_ = counter;
}

void ProgressBar::Show(int percent) {
    if (!enabled_)
        return;
    // "\r" returns to the start of the line and "\x1b[K" clears what a longer
    // previous line left behind.
    std::fprintf(stream_, "\r%s\x1b[K",
                 ProgressLine(label_, percent, counter_).toLocal8Bit().constData());
    std::fflush(stream_);
    drawn_ = true;
}

void ProgressBar::Finish() {
    if (drawn_)
        std::fputc('\n', stream_);
    drawn_ = false;
}

} // namespace kolvira::cli
