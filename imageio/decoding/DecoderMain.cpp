// kolvira-decode FORMAT [--size WxH] [--text]: decodes the picture on stdin
// with the program's own Qt reader of FORMAT ("heif") and writes it to stdout.
#include "imageio/decoding/DecoderChild.h"
#include "imageio/formats/ExtraFormats.h"
#include "imageio/formats/HeifFormat.h"

#include <QBuffer>
#include <QImageReader>

int main(int argc, char** argv) {
    // The program's own readers, HEIF's among them.
    kolvira::LoadExtraFormats();
    return kolvira::RunDecoderChild(
        argc, argv, "kolvira-decode",
        [](QByteArray& bytes, const QByteArray& format, QSize scaledSize, QString& error) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer, format);
            if (scaledSize.isValid())
                reader.setScaledSize(scaledSize);
            const QImage image = reader.read();
            if (image.isNull())
                error = reader.errorString();
            return image;
        },
        [](const QByteArray& format) {
            // libheif loads its codecs on the first file.
            if (format == "heif")
                kolvira::StartLibheif();
        });
}
