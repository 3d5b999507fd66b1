// The frame of every document window: an MDI sub-window holding one view.
// Closing it detaches the view from its document.
#pragma once

#include <QMdiSubWindow>

namespace kolvira {

class View;

class ChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit ChildFrame(View* view);
    ~ChildFrame() override;

    View* DocumentView() const { return view_; }
    // Closes without asking the view, as when the program ends.
    void CloseWithoutQuestions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DetachView();

    View* view_;
    bool askView_ = true;
};

} // namespace kolvira
