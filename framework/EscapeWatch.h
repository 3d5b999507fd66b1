// Esc as the way to stop a long pass run on the user-interface thread (a
// full-resolution rendering, a batch of drawings). While the watch lives,
// events are processed only to notice Esc: every other key, click and close
// request is swallowed, so nothing else can start or close a window under
// the pass.
#pragma once

#include <QObject>

#include <functional>

namespace kolvira {

class EscapeWatch : public QObject {
public:
    EscapeWatch();
    ~EscapeWatch() override;
    EscapeWatch(const EscapeWatch&) = delete;
    EscapeWatch& operator=(const EscapeWatch&) = delete;

    // Processes the pending events; true once Esc has been pressed.
    bool Pressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pressed_ = false;
};

// Runs `work` on a thread of its own while this thread keeps the windows
// painted, calls `poll` every few milliseconds and watches for Esc. True
// when the work has finished; false as soon as Esc is pressed, the work then
// running to its end unobserved: it must own everything it touches.
bool RunUnlessEscaped(std::function<void()> work, const std::function<void()>& poll = {});

} // namespace kolvira
