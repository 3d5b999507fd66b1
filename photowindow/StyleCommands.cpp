// The photo view's Paint and Photo Editor commands: the dialog edits the
// document's settings in place, Apply previews them in every window on the
// document, OK renders the photo off screen and keeps the picture, and
// Cancel puts every setting back.
#include "photowindow/PhotoView.h"

#include "framework/ChildFrame.h"
#include "framework/WindowHost.h"
#include "photowindow/DialogPlacement.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"

#include <QApplication>

namespace kolvira {

namespace {

// Each kind of dialog opens where the last one of its kind was left.
template <class Dialog> kolvira::DialogPlace& PlaceOf() {
    static kolvira::DialogPlace place;
    return place;
}

} // namespace

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

template void PhotoView::RunRenderDialog<PaintDialog>();
template void PhotoView::RunRenderDialog<PhotoEditorDialog>();

} // namespace kolvira
