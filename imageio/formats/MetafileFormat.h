// Windows metafiles (WMF, EMF and EMF+) as a Qt image format. A metafile is a
// drawing, not pixels: it is drawn onto white at its physical size at 96 DPI,
// or straight at the size asked for (thumbnails), so that a thumbnail is never
// a large raster scaled down. WmfFormat draws WMF here; EMF is drawn by
// EmfFormat in the child kolvira-decode-emf.
#pragma once

#include "imageio/formats/FormatPlugin.h"
#include "imageio/formats/MetafileCanvas.h"

#include <QByteArrayView>
#include <QImage>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kolvira {

// Draws an EMF in this process when it is not handed to kolvira-decode-emf
// (RiskyDecodes::InThisProcess, or the child is missing). Set by the fuzzers,
// which link EmfFormat's DrawEmf; unset, such an EMF is refused.
using EmfDrawer = QImage (*)(QByteArrayView data, QSize size, QString& error,
                             QStringList& warnings);
void DrawEmfInThisProcessWith(EmfDrawer drawer);

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
