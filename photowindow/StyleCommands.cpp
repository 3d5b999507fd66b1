// The photo view's commands, and its Paint and Photo Editor commands in
// particular: the dialog edits the document's settings in place, Apply
// previews them in every window on the document, OK renders the photo off screen and keeps the
// picture, and Cancel puts every setting back.
#include "photowindow/PhotoView.h"

#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/WindowHost.h"
#include "photowindow/DialogPlacement.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"

#include <QApplication>

namespace kolvira {

using kolvira::ID_PAINT;
using kolvira::ID_PHOTO_EDITOR;

namespace {

constexpr QRgb kPictureBackground = qRgb(0, 0, 0);

// Each kind of dialog opens where the last one of its kind was left.
template <class Dialog> kolvira::DialogPlace& PlaceOf() {
    static kolvira::DialogPlace place;
    return place;
}

} // namespace

bool PhotoView::HandlesCommand(int commandId) const {
    switch (commandId) {
    case ID_PAINT:
    case ID_PHOTO_EDITOR:
        return true;
    case kolvira::ID_SHOW_ORIGINAL:
    case kolvira::ID_SPLIT_VIEW:
        return !document_.Image().isNull();
    case kolvira::ID_REVERT_TO_PHOTO:
        return document_.HasDrawing() || document_.Settings().active;
    case kolvira::ID_NEXT_PHOTO:
    case kolvira::ID_PREVIOUS_PHOTO:
        return NextPhotoEnabled(commandId == kolvira::ID_NEXT_PHOTO ? 1 : -1);
    case kolvira::ID_SAVE_LOOK:
    case kolvira::ID_APPLY_LOOK:
    case kolvira::ID_APPLY_LOOK_FROM_FILE:
    case kolvira::ID_COPY_RENDER_COMMAND:
        return HandlesLookCommand(commandId);
    default:
        // Saving and printing need something to write or print.
        if (IsSaveCommand(commandId) || IsPrintCommand(commandId))
            return !document_.Image().isNull() || document_.HasDrawing();
        return false;
    }
}

void PhotoView::OnCommand(int commandId) {
    switch (commandId) {
    case ID_PAINT:
        RunRenderDialog<PaintDialog>();
        break;
    case ID_PHOTO_EDITOR:
        RunRenderDialog<PhotoEditorDialog>();
        break;
    case kolvira::ID_SHOW_ORIGINAL:
        showOriginal_ = !showOriginal_;
        viewport()->update();
        break;
    case kolvira::ID_SPLIT_VIEW:
        splitView_ = !splitView_;
        viewport()->update();
        break;
    case kolvira::ID_REVERT_TO_PHOTO:
        RevertToPhoto();
        break;
    case kolvira::ID_NEXT_PHOTO:
        StepPhoto(1);
        break;
    case kolvira::ID_PREVIOUS_PHOTO:
        StepPhoto(-1);
        break;
    case kolvira::ID_SAVE_LOOK:
    case kolvira::ID_APPLY_LOOK:
    case kolvira::ID_APPLY_LOOK_FROM_FILE:
    case kolvira::ID_COPY_RENDER_COMMAND:
        OnLookCommand(commandId);
        break;
    default:
        if (Host() != nullptr)
            RunFileCommand(commandId, *this, *this, *Host());
        break;
    }
}

template <class Dialog> void PhotoView::RunRenderDialog() {
    // Apply writes the settings; the view shows them before Apply returns.
    RenderSettings& settings = document_.Settings();
    Dialog dialog(
        settings, [this] { RepaintAfterApply(); },
        Host() != nullptr ? Host()->DialogParent() : window());
    const kolvira::RenderSettings settingsSnapshot = settings;

    // Beside the photo window, so that Apply's preview stays in sight.
    const QWidget* photoWindow = Frame();
    PlaceOf<Dialog>().Open(dialog, photoWindow != nullptr ? *photoWindow : *window());
    // `\` shows the photo while the dialog has the keys.
    qApp->installEventFilter(this);
    const int result = dialog.DoModal();
    qApp->removeEventFilter(this);
    SetOriginalHeld(false);
    PlaceOf<Dialog>().Closed(dialog);
    document_.SetPreviewingApplied(false);
    if (result == Dialog::kIdOk) {
        // Rendered from the photo each time, so effects never pile up.
        document_.KeepDrawing(FinalPicture(/*showProgress=*/true), DeviceRatio(),
                              QSize(pictureWidth, pictureHeight));
    } else {
        settings = settingsSnapshot;
        document_.ForgetPreviews(); // the applied settings' picture is not wanted any more
        document_.NotifyChanged();
    }
}

const QImage& PhotoView::FinalPicture(bool showProgress) {
    return document_.Preview(devicePicture_, kPictureBackground, ProgressFor(showProgress))
        .Canvas();
}

} // namespace kolvira
