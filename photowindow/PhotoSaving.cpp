// Saving a photo window's picture: what the window shows, as PNG, JPEG, BMP
// or TIFF by the name's extension.
#include "photowindow/KolviraView.h"

#include "framework/SaveTargets.h"
#include "imageio/NativePath.h"

#include <QDir>
#include <QFileInfo>

CSaveable::SaveDialogText CKolviraView::SaveDialog() const {
    return {QStringLiteral("Save As"),
            {QStringLiteral("PNG picture (*.png)"), QStringLiteral("JPEG picture (*.jpg *.jpeg)"),
             QStringLiteral("BMP picture (*.bmp)"), QStringLiteral("TIFF picture (*.tif *.tiff)")},
            QStringLiteral("png")};
}

// Next to the photo, named after it: "IMG_0001 drawn.png".
QString CKolviraView::SuggestedSaveName() const {
    const QFileInfo shown(ShownPath(photoPath));
    const QString base = shown.completeBaseName().isEmpty()
                             ? QStringLiteral("Kolvira picture")
                             : shown.completeBaseName() + QStringLiteral(" drawn");
    const QString folder = photoPath.empty() ? QDir::homePath() : shown.absolutePath();
    return QDir(folder).filePath(base + QStringLiteral(".png"));
}

QString CKolviraView::WriteSavedFile(const QString& path) {
    // The photo's EXIF goes with the picture made from it.
    return SavePictureFile(ShownPicture(), path,
                           kolvira::CarriedMetadata::Of(QByteArray::fromStdString(photoPath)));
}

std::vector<kolvira::NativePath> CKolviraView::PhotoFiles() const {
    if (photoPath.empty())
        return {};
    return {photoPath};
}
