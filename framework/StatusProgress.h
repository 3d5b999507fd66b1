// The progress bar that long operations (the render pass, the Mosaic build)
// show inside the status bar's message pane, right of a short text. The
// operations run on the user-interface thread without dispatching events,
// so every position is painted at once.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class QProgressBar;
class QStatusBar;

namespace kolvira {

class StatusProgress {
public:
    // `messagePane` gives the message pane's rectangle in status-bar
    // coordinates (the panes right of it belong to the indicators).
    StatusProgress(QStatusBar* statusBar, std::function<QRect()> messagePane);
    ~StatusProgress();
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;

    // Writes `text` (at most 50 characters kept) into the message pane and
    // places a new bar at 0 to its right.
    void Show(const QString& text);
    void SetPosition(int percent);
    // Removes the bar and clears the message pane.
    void Finish();

    // The bar while shown, else null.
    QProgressBar* Bar() const;

    static constexpr int kLongestText = 50;

private:
    QStatusBar* statusBar_;
    std::function<QRect()> messagePane_;
    QPointer<QProgressBar> bar_;
};

// The bar's rectangle in status-bar coordinates for a text of `textLength`
// characters, `textWidth` pixels wide as the status bar draws it, in a
// message pane that ends before x = `paneRight`.
QRect StatusProgressGeometry(int textLength, int textWidth, int paneRight);

} // namespace kolvira
