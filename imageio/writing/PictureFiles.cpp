#include "imageio/writing/PictureFiles.h"

#include "imageio/CodecMessages.h"
#include "imageio/writing/AtomicFile.h"
#include "imageio/writing/PngWriter.h"
#include "imageio/writing/WritableFormats.h"

#include <QBuffer>
#include <QImageWriter>

namespace kolvira {

QByteArray WriterFormatForSuffix(const QString& suffix) {
    const QByteArray format = suffix.toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
        return {};
    return format;
}

namespace {

// Encodes `picture` onto `device`.
WriteOutcome Encode(const QImage& picture, const QByteArray& format, QIODevice& device) {
    // Qt's PNG writer tries five filters on every row: full-resolution
    // drawings are written in half its time by the program's own.
    if (format == "png" && PngWriterTakes(picture))
        return WritePng(picture, device);
    CodecMessages messages;
    QImageWriter writer(&device, format);
    if (const WritableFormat* written = WritableFormatOf(QString::fromLatin1(format)))
        writer.setQuality(written->quality);
    const bool encoded = writer.write(picture);
    const QStringList codecMessages = messages.Finish();
    if (!encoded)
        return WriteOutcome::Failed(FailureReason(writer.errorString(), codecMessages));
    return WriteOutcome::Written();
}

} // namespace

WriteOutcome WritePicture(const QImage& picture, const QString& path, const QByteArray& format,
                          const CarriedMetadata& metadata) {
    if (metadata.IsEmpty() || !CarriedMetadata::FormatCarriesExif(format)) {
        return WriteFileAtomically(path,
                                   [&](QIODevice& file) { return Encode(picture, format, file); });
    }
    // The metadata goes into the encoded file, so it is made in memory first.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (WriteOutcome encoding = Encode(picture, format, buffer); !encoding.IsWritten())
        return encoding;
    buffer.close();
    metadata.WriteInto(encoded, picture.size()); // on failure the picture goes without
    return WriteFileAtomically(path, [&](QIODevice& file) {
        if (file.write(encoded) != encoded.size())
            return WriteOutcome::Failed(file.errorString());
        return WriteOutcome::Written();
    });
}

} // namespace kolvira
