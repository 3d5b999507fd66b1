#include "SaveTargets.h"

#include "CView.h"
#include "ChildFrame.h"
#include "KolviraApp.h"
#include "MainFrame.h"
#include "NativePath.h"
#include "PictureFiles.h"
#include "WaitCursor.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QRegularExpression>

#include <sys/stat.h>

using namespace kolvira;

namespace {

std::vector<std::string> OpenPhotoFiles() {
    std::vector<std::string> photos;
    if (theApp == nullptr || theApp->MainFrame() == nullptr)
        return photos;
    for (QMdiSubWindow* window : theApp->MainFrame()->MdiArea()->subWindowList()) {
        const auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame == nullptr || frame->View() == nullptr)
            continue;
        for (std::string& path : frame->View()->PhotoFiles())
            photos.push_back(std::move(path));
    }
    return photos;
}

// stat() follows links, so a path, a symbolic link to it and a hard link
// all give the same device and inode.
bool SameFile(const struct stat& a, const std::string& path) {
    struct stat b {};
    return ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

QString OpenPhotoAt(const QString& target) {
    // A target that does not exist yet cannot be a photo.
    struct stat identity {};
    if (::stat(QFile::encodeName(target).constData(), &identity) != 0)
        return {};
    for (const std::string& photo : OpenPhotoFiles()) {
        if (SameFile(identity, photo))
            return ShownPath(photo);
    }
    return {};
}

QString RefusalToReplacePhoto(const QString& target) {
    const QString photo = OpenPhotoAt(target);
    if (photo.isEmpty())
        return {};
    return QStringLiteral("This is the photo %1 itself. Kolvira never writes over a photo: "
                          "choose another name.")
        .arg(QDir::toNativeSeparators(photo));
}

QString SavePictureFile(const QImage& picture, const QString& path) {
    if (const QString refusal = RefusalToReplacePhoto(path); !refusal.isEmpty())
        return refusal;
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
    return WritePicture(picture, path, format);
}

QString AskForSaveName(QWidget* parent, const QString& caption, const QString& suggested,
                       const QStringList& filters, const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption);
    // Qt's own dialog, so that every platform (and a test) sees the same one.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void ReportSaveFailure(QWidget* parent, const QString& path, const QString& reason) {
    QMessageBox::warning(
        parent, QStringLiteral("Kolvira"),
        QStringLiteral("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
}
