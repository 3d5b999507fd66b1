// Going back to the photo, the question about a drawing not yet saved, and
// stepping through the Mosaic a photo window was opened from.
#include "photowindow/PhotoView.h"

#include "framework/Document.h"
#include "framework/PhotoSequence.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "photowindow/DrawingQuestion.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>

namespace kolvira {

void PhotoView::SetPhotoSequence(PhotoSequenceLink sequence) {
    sequence_ = sequence;
    // Next and Previous Photo can run now: their keys work at once.
    if (Host() != nullptr)
        Host()->CommandStateChanged();
}

bool PhotoView::ShowPhotoFile(const std::string& path) {
    const QString failure = LoadPhotoFile(path);
    if (!failure.isEmpty()) {
        ShowStatus(failure);
        return false;
    }
    photoPath = path;
    if (GetDocument() != nullptr)
        GetDocument()->SetTitle(ShownPath(photoPath));
    renderedPicture = QImage();
    drawingSaved_ = true;
    preview_.Clear();
    SetScrollSizes(ScrollTotal(LivePictureSize(WindowRect().width())));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    return true;
}

bool PhotoView::CanClose() {
    return AskToSaveDrawing();
}

// True when the window may let its drawing go.
bool PhotoView::AskToSaveDrawing() {
    if (renderedPicture.isNull() || drawingSaved_ || !kolvira::AskingToSaveDrawings())
        return true;
    const QString name = QFileInfo(ShownPath(photoPath)).fileName();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kolvira"),
                    QStringLiteral("Save the drawing of %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window());
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        if (Host() != nullptr)
            OnFileSave(*Host());
        return drawingSaved_;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

// What Cancel does for one dialog, for the whole window: the kept picture
// goes and the photo shows again; the dialogs keep their settings.
void PhotoView::RevertToPhoto() {
    if (!AskToSaveDrawing())
        return;
    renderedPicture = QImage();
    drawingSaved_ = true;
    settings.active = false;
    preview_.Clear();
    SetScrollSizes(ScrollTotal(LivePictureSize(WindowRect().width())));
    viewport()->update();
}

bool PhotoView::NextPhotoEnabled(int step) const {
    const PhotoSequence* sequence = sequence_.get();
    return sequence != nullptr && !sequence->PhotoBeside(photoPath, step).empty();
}

void PhotoView::StepPhoto(int step) {
    const PhotoSequence* sequence = sequence_.get();
    if (sequence == nullptr)
        return;
    const std::string beside = sequence->PhotoBeside(photoPath, step);
    if (beside.empty()) {
        ShowStatus(step > 0 ? QStringLiteral("This is the last photo of the Mosaic.")
                            : QStringLiteral("This is the first photo of the Mosaic."));
        return;
    }
    if (AskToSaveDrawing())
        ShowPhotoFile(beside);
}

} // namespace kolvira
