// The photo window's view: one photo, drawn at the top-left corner scaled to
// the width of the view's window, scrolling down when it is taller. While
// its settings are active it previews the render pass over the photo; once
// a rendering has been kept it shows that picture instead.
#pragma once

#include "CView.h"
#include "RenderSettings.h"
#include "Renderer.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>

#include <string>

class CKolviraView : public QAbstractScrollArea, public CView {
    Q_OBJECT

public:
    // Takes the photo to show from pendingPhotoPath.
    CKolviraView();
    ~CKolviraView() override;

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    bool HandlesCommand(int commandId) const override;
    void OnCommand(int commandId) override;

    // The outer rectangle of the view's window (frame and scroll bars
    // included), from (0, 0): the photo is scaled to its width.
    QRect WindowRect() const;

    bool pickNewColorNext = false;
    QString statusText;
    std::string photoPath; // native bytes
    int pictureWidth = 32; // size of the picture as last drawn
    int pictureHeight = 0;
    QImage photo;           // upright, on black, Format_RGB32; null when not loaded
    QImage renderedPicture; // the kept rendering; null until there is one
    kolvira::RenderSettings settings;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void SetScrollSizes(QSize total);
    void ErasePictureSurroundings(QPainter& painter, QPoint offset) const;
    void DrawPreview(QPainter& painter);

    ScaledPhotoCache scaledPhoto_;
};
