// Saving a photo window's picture: what the window shows, as PNG, JPEG, BMP
// or TIFF, never over the photo itself.
#include "KolviraView.h"

#include "KolviraApp.h"
#include "NativePath.h"
#include "SaveTargets.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QStringList kPictureFilters = {
    QStringLiteral("PNG picture (*.png)"), QStringLiteral("JPEG picture (*.jpg *.jpeg)"),
    QStringLiteral("BMP picture (*.bmp)"), QStringLiteral("TIFF picture (*.tif *.tiff)")};

// Next to the photo, named after it: "IMG_0001 drawn.png".
QString SuggestedName(const std::string& photoPath) {
    const QFileInfo photo(ShownPath(photoPath));
    const QString base = photo.completeBaseName().isEmpty() ? QStringLiteral("Kolvira picture")
                                                            : photo.completeBaseName() + " drawn";
    const QString folder = photoPath.empty() ? QDir::homePath() : photo.absolutePath();
    return QDir(folder).filePath(base + QStringLiteral(".png"));
}

} // namespace

void CKolviraView::OnFileSaveAs() {
    const QString path =
        AskForSaveName(window(), QStringLiteral("Save As"),
                       savedPath_.isEmpty() ? SuggestedName(photoPath) : savedPath_,
                       kPictureFilters, QStringLiteral("png"));
    if (!path.isEmpty())
        SavePictureAs(path);
}

void CKolviraView::OnFileSave() {
    if (savedPath_.isEmpty())
        OnFileSaveAs();
    else
        SavePictureAs(savedPath_);
}

bool CKolviraView::SavePictureAs(const QString& path) {
    if (const QString failure = SavePictureFile(ShownPicture(), path); !failure.isEmpty()) {
        ReportSaveFailure(window(), path, failure);
        return false;
    }
    savedPath_ = path;
    ShowStatusMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

std::vector<std::string> CKolviraView::PhotoFiles() const {
    if (photoPath.empty())
        return {};
    return {photoPath};
}
