// Camera raw files (DNG, Canon CR2 and CR3, Nikon NEF, Sony ARW, Olympus ORF,
// Panasonic RW2, Fujifilm RAF, Pentax PEF) through LibRaw, as a Qt image
// format: QImageReader then reads them like any other picture. The header
// gives the upright size without decoding; a scaled read is served from the
// preview JPEG the camera embedded when that is large enough, else from a
// half-size decode; a full read develops the raw data with the camera's white
// balance into sRGB. Pictures come out upright.
#pragma once

#include "imageio/formats/FormatPlugin.h"

#include <QByteArray>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QSize>
#include <QString>

#include <optional>

namespace kolvira {

// Whether `format` (a lower-case file extension) names a camera raw format.
// Most of them start like a TIFF file, so their extension, not their
// content, tells them apart.
bool IsCameraRawFormat(const QByteArray& format);

class RawHandler : public SizedImageHandler {
public:
    bool canRead() const override;
    bool read(QImage* image) override;

    // Whether the device's next bytes can start a file of `format` (a raw
    // format's key, or empty when the content alone must tell); nothing is
    // consumed. Only signatures no other format has count on their own.
    static bool CanRead(QIODevice* device, const QByteArray& format);

private:
    QSize HeaderSize() const override;
    struct Header {
        QSize size; // upright, the largest the decode needs; invalid when unreadable
        QString error;
    };

    QByteArray& Data() const;
    const Header& ReadHeader() const;

    // The whole file, read once: LibRaw parses it from memory.
    mutable std::optional<QByteArray> data_;
    mutable std::optional<Header> header_;
};

class RawPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "RawFormat.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};

} // namespace kolvira
