// A modal dialog as the program's dialogs are written: DoModal runs it and
// answers 1 for OK and 2 for Cancel (also Esc and the close box), and
// OnInitDialog fills the controls once, when the dialog first shows, so
// whatever the caller sets up between constructing and running it is seen.
#pragma once

#include <QDialog>

namespace kolvira {

class Dialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

    explicit Dialog(QWidget* parent = nullptr) : QDialog(parent) {}

    int DoModal();

protected:
    virtual void OnInitDialog() {}
    void showEvent(QShowEvent* event) override;

private:
    bool initialised_ = false;
};

} // namespace kolvira
