// HEIC and AVIF pictures (phones' HEIF files) through libheif, as a Qt image
// format: QImageReader then reads them like any other picture (header size
// first, under the decode watchdog, from the embedded thumbnail when that is
// large enough for the size asked).
#pragma once

#include "imageio/formats/FormatPlugin.h"

#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QSize>

#include <memory>

namespace kolvira {

// libheif's registry of codecs, loaded from its plugins once for the whole
// program; the Mosaic's workers decode on several threads at once.
void StartLibheif();

class HeifHandler : public SizedImageHandler {
public:
    HeifHandler();
    ~HeifHandler() override;

    bool canRead() const override;
    bool read(QImage* image) override;

    // Whether the device's next bytes start an ISO-BMFF file whose 'ftyp' box
    // names a HEIF or AVIF brand; nothing is consumed.
    static bool CanRead(QIODevice* device);

private:
    QSize HeaderSize() const override;
    struct Parsed; // the file as libheif parsed it

    // The file read and parsed on the first look at it, so that the size
    // and the decode share one read of the device and one parse.
    const Parsed& Parse() const;

    mutable std::unique_ptr<Parsed> parsed_;
};

class HeifPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "HeifFormat.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};

} // namespace kolvira
