// The photo view's commands, and its Paint and Photo Editor commands in
// particular: the dialog edits the view's settings in place, Apply previews
// them, OK renders the photo off screen and keeps the picture, and Cancel
// puts every setting back.
#include "KolviraView.h"

#include "CommandIds.h"
#include "CurrentSettings.h"
#include "KolviraApp.h"
#include "MainFrame.h"
#include "PaintDialog.h"
#include "PhotoEditorDialog.h"

using kolvira::ID_PAINT;
using kolvira::ID_PHOTO_EDITOR;

namespace {

constexpr QRgb kPictureBackground = qRgb(0, 0, 0);

} // namespace

bool CKolviraView::HandlesCommand(int commandId) const {
    switch (commandId) {
    case ID_PAINT:
    case ID_PHOTO_EDITOR:
        return true;
    default:
        if (IsSaveCommand(commandId))
            return !photo.isNull() || !renderedPicture.isNull(); // something to write
        return IsPrintCommand(commandId);
    }
}

void CKolviraView::OnCommand(int commandId) {
    switch (commandId) {
    case ID_PAINT:
        RunRenderDialog<CDia_Paint>();
        break;
    case ID_PHOTO_EDITOR:
        RunRenderDialog<CDia_PhotoEditor>();
        break;
    default:
        RunFileCommand(commandId, *this, *this, window());
        break;
    }
}

template <class Dialog> void CKolviraView::RunRenderDialog() {
    // Parentless dialogs belong to the main window.
    Dialog dialog(theApp != nullptr ? theApp->MainFrame() : nullptr);
    settings.ownerView = this;
    const kolvira::RenderSettings settingsSnapshot = settings;
    currentSettings = &settings;

    const int result = dialog.DoModal();
    showApplied_ = false;
    if (result == CDialog::kIdOk) {
        // Rendered from the photo each time, so effects never pile up.
        renderedPicture = FinalPicture(/*showProgress=*/true);
        viewport()->update();
    } else {
        settings = settingsSnapshot;
        preview_.Clear(); // the applied settings' picture is not wanted any more
        RepaintNow();
    }
}

const QImage& CKolviraView::FinalPicture(bool showProgress) {
    return preview_.Preview(photo, QSize(pictureWidth, pictureHeight), kPictureBackground, settings,
                            [showProgress](QImage& picture, const kolvira::RenderSettings& s) {
                                theRenderer->RenderPicture(picture, s, picture.rect(),
                                                           showProgress);
                            });
}
