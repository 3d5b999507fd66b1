// A photo window's document: the photo, the settings the Paint and Photo
// Editor dialogs edit, the drawing kept by OK and whether it has been saved,
// and the pictures made from them (previews at a window's size, the photo
// rendered at its own size). It has no widget: every window on it paints
// what it answers and repaints when it says `pictureChanged`, so a second
// window ("New Window") shows the same drawing.
#pragma once

#include "framework/Document.h"
#include "framework/PhotoSequence.h"
#include "imageio/PhotoScaling.h"
#include "photowindow/FullResolution.h"
#include "photowindow/PreviewCache.h"
#include "photowindow/RenderSettings.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <list>
#include <string>

namespace kolvira {

class StatusProgress;

class PhotoDocument : public Document {
    Q_OBJECT

public:
    // A document for the photo at `path` (native bytes; empty: no photo),
    // not read until Open.
    PhotoDocument(DocumentTemplate* docTemplate, QString defaultTitle, std::string path);

    // Reads the photo the document was made for, the first time only (a
    // further window finds it read). Returns why it cannot be shown, else
    // empty; `damageNote` says what of a damaged file could not be read.
    QString Open(QString& damageNote);
    // Shows the photo at `path` instead, keeping the settings and dropping
    // the drawing; on failure the reason, and nothing changes.
    QString ShowPhotoFile(const std::string& path, QString& damageNote);

    const std::string& PhotoPath() const { return path_; }
    // Upright, on black, Format_RGB32; null when there is no photo.
    const QImage& Image() const { return photo_; }
    RenderSettings& Settings() { return settings_; }
    const RenderSettings& Settings() const { return settings_; }

    // The drawing OK kept, in device pixels made at `ratio` per logical
    // pixel, and its size in logical pixels; null until there is one.
    bool HasDrawing() const { return !drawing_.isNull(); }
    const QImage& Drawing() const { return drawing_; }
    qreal DrawingRatio() const { return drawingRatio_; }
    QSize DrawingSize() const { return drawingSize_; }
    void KeepDrawing(const QImage& drawing, qreal ratio, QSize logicalSize);
    bool DrawingSaved() const { return drawingSaved_; }
    void MarkDrawingSaved() { drawingSaved_ = true; }
    // Drops the drawing and turns the settings off: the photo shows again.
    void RevertToPhoto();

    // While a dialog is open after an Apply, windows show the applied
    // settings even over a kept drawing.
    bool PreviewingApplied() const { return previewingApplied_; }
    void SetPreviewingApplied(bool previewing);

    // The photo drawn to the width of a canvas of `size` device pixels over
    // `background`, rendered with the settings; `progress` (may be null)
    // shows a pass that runs. Kept per canvas size and background, so
    // windows of different sizes do not render each other's out.
    const PreviewCache& Preview(QSize size, QRgb background, StatusProgress* progress);
    // What a window whose canvas is `size` device pixels shows: the kept
    // drawing, else the photo at the canvas's width, rendered while the
    // settings are active. Null when there is no photo.
    QImage ShownPicture(QSize size, QRgb background);
    // The photo at its own size with the settings, as kolvira-render makes
    // it; null when stopped with Esc (if `stoppable`).
    QImage FullResolutionPicture(StatusProgress* progress, bool stoppable);
    // Forgets the previews (a picture no longer wanted).
    void ForgetPreviews();

    // The Mosaic the photo was opened from, which Next and Previous walk.
    const PhotoSequence* Sequence() const { return sequence_.get(); }
    void SetSequence(PhotoSequenceLink sequence) { sequence_ = sequence; }

    // Tells the windows that what they show has changed.
    void NotifyChanged() { emit pictureChanged(); }

signals:
    void pictureChanged();

private:
    QString LoadPhoto(const std::string& path, QString& damageNote);

    std::string path_;
    bool opened_ = false;
    QImage photo_;
    RenderSettings settings_;
    QImage drawing_;
    qreal drawingRatio_ = 1;
    QSize drawingSize_;
    bool drawingSaved_ = true; // false from OK until the drawing is saved
    bool previewingApplied_ = false;
    PhotoSequenceLink sequence_;

    std::list<PreviewCache> previews_; // the most recently used first
    ScaledPhotoCache scaledPhoto_;
    FullResolutionCache fullResolution_;
};

} // namespace kolvira
