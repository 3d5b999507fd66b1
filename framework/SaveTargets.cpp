#include "framework/SaveTargets.h"

#include "framework/FileDialogs.h"
#include "framework/WaitCursor.h"
#include "imageio/PictureFiles.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace kolvira;

QString RefusalToReplacePhoto(const QString& target, const kolvira::ProtectedFiles& openPhotos) {
    const QString photo = openPhotos.FileAt(target);
    if (photo.isEmpty())
        return {};
    return QStringLiteral("This is the photo %1 itself. Kolvira never writes over a photo: "
                          "choose another name.")
        .arg(QDir::toNativeSeparators(photo));
}

QString SavePictureFile(const QImage& picture, const QString& path,
                        const CarriedMetadata& metadata) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList kSavedSuffixes = {QStringLiteral("png"),  QStringLiteral("jpg"),
                                               QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                               QStringLiteral("tif"),  QStringLiteral("tiff")};
    if (!suffix.isEmpty() && !kSavedSuffixes.contains(suffix))
        return QStringLiteral("Kolvira saves pictures as PNG, JPEG, BMP or TIFF: "
                              "end the name with .png, .jpg, .bmp or .tif.");
    const QByteArray format =
        WriterFormatForSuffix(suffix.isEmpty() ? QStringLiteral("png") : suffix);
    if (format.isEmpty())
        return QStringLiteral("This system cannot write .%1 files.").arg(suffix);
    if (picture.isNull())
        return QStringLiteral("There is no picture to save.");
    const WaitCursor busy;
    return WritePicture(picture, path, format, metadata);
}

namespace {

// The choice's radio buttons in a row, named "saveOption0", "saveOption1"...
QButtonGroup* AddChoiceButtons(const SaveChoice& choice, QWidget* owner, QHBoxLayout* row) {
    auto* group = new QButtonGroup(owner);
    for (int k = 0; k < choice.options.size(); ++k) {
        auto* button = new QRadioButton(choice.options[k], owner);
        button->setObjectName(QStringLiteral("saveOption%1").arg(k));
        button->setChecked(k == choice.chosen);
        group->addButton(button, k);
        row->addWidget(button);
    }
    row->addStretch();
    return group;
}

// Qt's own dialog takes the choice as a last row of its grid, under the
// file type.
QButtonGroup* AddChoiceToOwnDialog(const SaveChoice& choice, QFileDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return nullptr;
    auto* row = new QHBoxLayout;
    QButtonGroup* group = AddChoiceButtons(choice, &dialog, row);
    const int at = grid->rowCount();
    grid->addWidget(new QLabel(choice.label, &dialog), at, 0);
    grid->addLayout(row, at, 1, 1, grid->columnCount() - 1);
    return group;
}

// After a platform dialog: false when the user cancels.
bool AskChoiceAfterwards(QWidget* parent, const QString& caption, SaveChoice& choice) {
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(choice.label, &dialog));
    auto* row = new QHBoxLayout;
    QButtonGroup* group = AddChoiceButtons(choice, &dialog, row);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.chosen = group->checkedId();
    return true;
}

} // namespace

QString AskForSaveName(QWidget* parent, const QString& caption, const QString& suggested,
                       const QStringList& filters, const QString& defaultSuffix,
                       SaveChoice* choice) {
    QFileDialog dialog(parent, caption);
    // The caller asks about replacing a file, once it knows the file may be
    // written at all.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without an extension takes the chosen type's.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
            if (const auto match = firstPattern.match(filter); match.hasMatch())
                dialog.setDefaultSuffix(match.captured(1));
        });
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    const bool offersChoice = choice != nullptr && choice->options.size() > 1;
    QButtonGroup* ownChoice = nullptr;
    const auto prepareOwn = [&](QFileDialog& own) {
        if (offersChoice)
            ownChoice = AddChoiceToOwnDialog(*choice, own);
    };
    if (RunFileDialog(dialog, prepareOwn) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (ownChoice != nullptr)
        choice->chosen = ownChoice->checkedId();
    else if (offersChoice && !AskChoiceAfterwards(parent, caption, *choice))
        return {};
    return dialog.selectedFiles().constFirst();
}

bool ConfirmReplace(QWidget* parent, const QString& path) {
    if (!QFileInfo::exists(path))
        return true;
    const QString text = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                             .arg(QFileInfo(path).fileName());
    return QMessageBox::question(parent, QStringLiteral("Confirm Save As"), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void ReportSaveFailure(QWidget* parent, const QString& path, const QString& reason) {
    QMessageBox::warning(
        parent, QStringLiteral("Kolvira"),
        QStringLiteral("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
}
