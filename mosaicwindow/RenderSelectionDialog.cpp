#include "mosaicwindow/RenderSelectionDialog.h"

#include "framework/CommandIds.h"
#include "framework/DialogUnits.h"
#include "framework/FileDialogs.h"
#include "imageio/LookFile.h"
#include "imageio/writing/WritableFormats.h"
#include "mosaic/BatchRendering.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace kolvira {

namespace {

const char* const kFolderKey = "RenderSelection/folder";

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

RenderSelectionDialog::RenderSelectionDialog(LookSource& looks, const QString& folder,
                                             int photoCount, QWidget* parent)
    : Dialog(parent), ownSettings(kolvira::DefaultRenderSettings()), looks_(looks),
      photoFolder_(folder), activeLook_(looks.ActivePhotoWindowLook()) {
    setWindowTitle(tr("Render Selection"));
    setFont(DialogFont());

    auto* look = new QGroupBox(tr("Look"), this);
    ownLook_ = Named(new QRadioButton(tr("&Own settings:"), look), "ownLook");
    auto* paint = Named(new QPushButton(tr("&Paint..."), look), "paintButton");
    auto* editor = Named(new QPushButton(tr("Photo &Editor..."), look), "photoEditorButton");
    activeWindowLook_ = Named(
        new QRadioButton(tr("The settings of the &active photo window"), look), "activeWindowLook");
    auto* ownRow = new QHBoxLayout;
    ownRow->addWidget(ownLook_);
    ownRow->addWidget(paint);
    ownRow->addWidget(editor);
    ownRow->addStretch();
    savedLook_ = Named(
        new QRadioButton(
            QCoreApplication::translate("kolvira::RenderSelectionDialog", "A sa&ved look:"), look),
        "savedLook");
    savedLookName_ = Named(new QComboBox(look), "savedLookName");
    savedLookName_->addItems(SavedLookNames());
    savedLook_->setEnabled(savedLookName_->count() > 0);
    savedLookName_->setEnabled(savedLookName_->count() > 0);
    // Choosing a look by name is choosing the saved looks.
    connect(savedLookName_, &QComboBox::activated, savedLook_,
            [this] { savedLook_->setChecked(true); });
    auto* savedRow = new QHBoxLayout;
    savedRow->addWidget(savedLook_);
    savedRow->addWidget(savedLookName_, 1);
    auto* lookLayout = new QVBoxLayout(look);
    lookLayout->addLayout(ownRow);
    lookLayout->addWidget(activeWindowLook_);
    lookLayout->addLayout(savedRow);
    auto* lookChoice = new QButtonGroup(this);
    lookChoice->addButton(ownLook_);
    lookChoice->addButton(activeWindowLook_);
    lookChoice->addButton(savedLook_);
    ownLook_->setChecked(true);
    activeWindowLook_->setEnabled(activeLook_.has_value());
    // Editing the own settings is choosing them.
    connect(paint, &QPushButton::clicked, this, [this] { EditOwnSettings(kolvira::ID_PAINT); });
    connect(editor, &QPushButton::clicked, this,
            [this] { EditOwnSettings(kolvira::ID_PHOTO_EDITOR); });

    folder_ = Named(new QLineEdit(RememberedFolder(folder), this), "outputFolder");
    auto* browse = Named(new QPushButton(tr("&Browse..."), this), "browseButton");
    connect(browse, &QPushButton::clicked, this, &RenderSelectionDialog::BrowseForFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);

    fileType_ = Named(new QComboBox(this), "fileType");
    for (const WritableFormat& format : WritableFormats())
        fileType_->addItem(format.name, format.suffixes.first());

    asShown_ = Named(new QRadioButton(tr("As &shown at"), this), "asShown");
    shownWidth_ = Named(new QSpinBox(this), "shownWidth");
    shownWidth_->setRange(1, std::numeric_limits<int>::max());
    shownWidth_->setValue(activeLook_ ? activeLook_->pictureWidth : kDefaultWidth);
    shownWidth_->setSuffix(tr(" pixels wide"));
    fullResolution_ = Named(new QRadioButton(tr("&Full resolution"), this), "fullResolution");
    auto* sizeChoice = new QButtonGroup(this);
    sizeChoice->addButton(asShown_);
    sizeChoice->addButton(fullResolution_);
    asShown_->setChecked(true);
    connect(asShown_, &QRadioButton::toggled, shownWidth_, &QWidget::setEnabled);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(asShown_);
    sizeRow->addWidget(shownWidth_);
    sizeRow->addWidget(fullResolution_);
    sizeRow->addStretch();

    // The folder's label names the edit as its buddy, so that its "&" marks
    // the Alt key: given a layout, the form would show the "&" as it is.
    auto* folderLabel = new QLabel(tr("Save &in:"), this);
    folderLabel->setBuddy(folder_);
    auto* form = new QFormLayout;
    form->addRow(folderLabel, folderRow);
    form->addRow(tr("File &type:"), fileType_);
    form->addRow(tr("Size:"), sizeRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(photoCount == 1 ? tr("Render 1 Photo") : tr("Render %1 Photos").arg(photoCount));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("IDOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("IDCANCEL"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(look);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

// The folder chosen last time, while it exists; drawings go beside the
// photos until another folder has been chosen.
QString RenderSelectionDialog::RememberedFolder(const QString& photoFolder) {
    const QString chosen = QSettings().value(QLatin1String(kFolderKey)).toString();
    return !chosen.isEmpty() && QFileInfo(chosen).isDir() ? chosen : photoFolder;
}

void RenderSelectionDialog::accept() {
    if (savedLook_->isChecked()) {
        // A look that cannot be used renders nothing; the dialog stays open.
        const LookReading read = ReadLookFile(SavedLookPath(savedLookName_->currentText()));
        if (!read.ok()) {
            QMessageBox::warning(this, windowTitle(), read.error);
            return;
        }
        savedSettings_ = read.settings;
    }
    const QString chosen = folder_->text().trimmed();
    if (chosen == photoFolder_)
        QSettings().remove(QLatin1String(kFolderKey));
    else
        QSettings().setValue(QLatin1String(kFolderKey), chosen);
    Dialog::accept();
}

SelectionRenderRequest RenderSelectionDialog::Request() const {
    SelectionRenderRequest request;
    request.settings =
        activeWindowLook_->isChecked() && activeLook_ ? activeLook_->settings : ownSettings;
    if (savedLook_->isChecked())
        request.settings = savedSettings_;
    request.outputFolder = folder_->text().trimmed();
    request.suffix = fileType_->currentData().toString();
    request.width = asShown_->isChecked() ? shownWidth_->value() : 0;
    return request;
}

void RenderSelectionDialog::EditOwnSettings(int commandId) {
    if (looks_.EditLook(ownSettings, commandId, this))
        ownLook_->setChecked(true);
}

void RenderSelectionDialog::BrowseForFolder() {
    QFileDialog dialog(this, tr("Save Drawings In"), folder_->text());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (RunFileDialog(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        folder_->setText(dialog.selectedFiles().constFirst());
}

} // namespace kolvira
