// Going back to the photo, the question about a drawing not yet saved, and
// stepping through the Mosaic a photo window was opened from.
#include "photowindow/PhotoView.h"

#include "framework/Document.h"
#include "framework/PhotoSequence.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "photowindow/DrawingQuestion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>

namespace kolvira {

void PhotoView::SetPhotoSequence(PhotoSequenceLink sequence) {
    document_.SetSequence(sequence);
    // Next and Previous Photo can run now: their keys work at once.
    if (Host() != nullptr)
        Host()->CommandStateChanged();
}

bool PhotoView::ShowPhotoFile(const std::string& path) {
    QString damageNote;
    const QString failure = document_.ShowPhotoFile(path, damageNote);
    ShowStatusNotes(failure, damageNote);
    if (!failure.isEmpty())
        return false;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    return true;
}

// Another window on the document keeps the drawing: closing this one
// loses nothing.
bool PhotoView::CanClose() {
    if (GetDocument() != nullptr && GetDocument()->Views().size() > 1)
        return true;
    return AskToSaveDrawing();
}

// True when the window may let its drawing go.
bool PhotoView::AskToSaveDrawing() {
    if (!document_.HasDrawing() || document_.DrawingSaved() || !kolvira::AskingToSaveDrawings())
        return true;
    const QString name = QFileInfo(ShownPath(document_.PhotoPath())).fileName();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kolvira"),
                    QCoreApplication::translate("PhotoView", "Save the drawing of %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window());
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        if (Host() != nullptr)
            OnFileSave(*Host());
        return document_.DrawingSaved();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

// What Cancel does for one dialog, for the whole window: the kept picture
// goes and the photo shows again; the dialogs keep their settings.
void PhotoView::RevertToPhoto() {
    if (AskToSaveDrawing())
        document_.RevertToPhoto();
}

bool PhotoView::NextPhotoEnabled(int step) const {
    const PhotoSequence* sequence = document_.Sequence();
    return sequence != nullptr && !sequence->PhotoBeside(document_.PhotoPath(), step).empty();
}

void PhotoView::StepPhoto(int step) {
    const PhotoSequence* sequence = document_.Sequence();
    if (sequence == nullptr)
        return;
    const std::string beside = sequence->PhotoBeside(document_.PhotoPath(), step);
    if (beside.empty()) {
        ShowStatus(step > 0 ? QCoreApplication::translate("PhotoView",
                                                          "This is the last photo of the Mosaic.")
                            : QCoreApplication::translate(
                                  "PhotoView", "This is the first photo of the Mosaic."));
        return;
    }
    if (AskToSaveDrawing())
        ShowPhotoFile(beside);
}

} // namespace kolvira
