#include "framework/StatusProgress.h"

#include <QProgressBar>
#include <QStatusBar>

#include <algorithm>

namespace kolvira {

namespace {

constexpr double kCharacterWidth = 5.5;
constexpr int kLeftWhenEmpty = 2;
constexpr int kTop = 2;
constexpr int kBottom = 16; // the bar is 14 pixels high, whatever the status bar's height
constexpr int kGapToPaneEdge = 5;
// Where QStatusBar starts its message, and the room kept after it.
constexpr int kTextIndent = 6;
constexpr int kGapAfterText = 4;

} // namespace

QRect StatusProgressGeometry(int textLength, int textWidth, int paneRight) {
    int left = textLength == 0 ? kLeftWhenEmpty : static_cast<int>(textLength * kCharacterWidth);
    // Never over the text: the status bar's font is often wider than the
    // 5.5 pixels a character the bar's place was counted in.
    if (textWidth > 0)
        left = std::max(left, kTextIndent + textWidth + kGapAfterText);
    return QRect(left, kTop, paneRight - kGapToPaneEdge - left, kBottom - kTop);
}

StatusProgress::StatusProgress(QStatusBar* statusBar, std::function<QRect()> messagePane)
    : statusBar_(statusBar), messagePane_(std::move(messagePane)) {}

StatusProgress::~StatusProgress() {
    delete bar_.data();
}

void StatusProgress::Show(const QString& text) {
    const QString kept = text.left(kLongestText);
    statusBar_->showMessage(kept);
    const QRect geometry = StatusProgressGeometry(
        kept.size(), statusBar_->fontMetrics().horizontalAdvance(kept), messagePane_().right() + 1);
    delete bar_.data();
    bar_ = new QProgressBar(statusBar_);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setGeometry(geometry);
    // A pane too narrow for the bar gets none.
    bar_->setVisible(geometry.width() > 0);
    bar_->repaint();
}

void StatusProgress::SetPosition(int percent) {
    if (bar_ == nullptr)
        return;
    bar_->setValue(percent);
    bar_->repaint();
}

void StatusProgress::Finish() {
    delete bar_.data();
    statusBar_->clearMessage();
}

QProgressBar* StatusProgress::Bar() const {
    return bar_.data();
}

} // namespace kolvira
