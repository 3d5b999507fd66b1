// Windows metafiles (WMF, EMF and EMF+) as a Qt image format. A metafile is a
// drawing, not pixels: it is drawn onto white at its physical size at 96 DPI,
// or straight at the size asked for (thumbnails), so that a thumbnail is never
// a large raster scaled down. WmfFormat and EmfFormat do the drawing.
#pragma once

#include "imageio/FormatPlugin.h"

#include <QImage>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QSize>
#include <QString>

namespace kolvira {

// How many pixels `inches` make at 96 DPI, rounded: at least 1, at most
// INT_MAX (left for the pixel limit to refuse); 0 when `inches` is not positive.
int PixelsAt96Dpi(double inches);

// A white picture of `size` to draw a metafile on; null, with `error` saying
// why, when the size is empty or over the pixel limit.
QImage WhiteCanvas(QSize size, QString& error);

// Whether text can be drawn: Qt's fonts need a QGuiApplication, and
// kolvira-render runs without one unless it lays out a contact sheet.
bool CanDrawText();

// The warning given when a metafile's text is left out for want of fonts.
QString TextLeftOutWarning();

class MetafileHandler : public SizedImageHandler {
public:
    bool canRead() const override;
    bool read(QImage* image) override;

    // "wmf" or "emf" when the device's next bytes start a metafile of that
    // kind, else empty; nothing is consumed.
    static QByteArray FormatOf(QIODevice* device);

private:
    QSize HeaderSize() const override;
};

class MetafilePlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "MetafileFormat.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};

} // namespace kolvira
