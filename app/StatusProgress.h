// The progress bar that long operations (the render pass, the Mosaic build)
// show inside the status bar's message pane, right of a short text. The
// operations run on the user-interface thread without dispatching events,
// so every position is painted at once.
#pragma once

#include <QPointer>
#include <QString>

class KolviraStatusBar;
class QProgressBar;

class StatusProgress {
public:
    explicit StatusProgress(KolviraStatusBar* statusBar);
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
    KolviraStatusBar* statusBar_;
    QPointer<QProgressBar> bar_;
};

// Set while the main window exists; long operations reach the bar only
// through it.
extern StatusProgress* theProgress;

// The bar's rectangle in status-bar coordinates for a text of `textLength`
// characters in a message pane that ends before x = `paneRight`.
QRect StatusProgressGeometry(int textLength, int paneRight);
