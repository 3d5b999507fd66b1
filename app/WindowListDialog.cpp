#include "app/WindowListDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace kolvira {

WindowListDialog::WindowListDialog(const QStringList& titles, int current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Select Window"));
    list_ = new QListWidget(this);
    list_->addItems(titles);
    list_->setCurrentRow(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Select Window:"), this);
    label->setBuddy(list_);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
}

int WindowListDialog::Chosen() const {
    return list_->currentRow();
}

} // namespace kolvira
