#include "framework/SaveTargets.h"

#include "framework/FileDialogs.h"
#include "framework/WaitCursor.h"
#include "imageio/PictureFiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

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

QString AskForSaveName(QWidget* parent, const QString& caption, const QString& suggested,
                       const QStringList& filters, const QString& defaultSuffix) {
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
    if (RunFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
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
