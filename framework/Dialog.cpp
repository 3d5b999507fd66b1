#include "framework/Dialog.h"

namespace kolvira {

int Dialog::DoModal() {
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void Dialog::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

} // namespace kolvira
