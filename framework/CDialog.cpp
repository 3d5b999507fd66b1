#include "framework/CDialog.h"

int CDialog::DoModal() {
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CDialog::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}
