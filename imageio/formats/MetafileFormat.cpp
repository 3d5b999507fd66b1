#include "imageio/formats/MetafileFormat.h"

#include "imageio/formats/FormatPlugin.h"

#include "imageio/decoding/DecoderProcess.h"
#include "imageio/formats/EmfHeader.h"
#include "imageio/formats/WmfFormat.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QVariant>
#include <QtDebug>

#include <atomic>

namespace kolvira {
namespace {

// What recognising a metafile takes: the EMF signature sits at byte 40.
constexpr qint64 kSignatureBytes = 44;
// How much of the file the size is looked for in: the header, and for a WMF
// without a placeable header the records that set up its window, which come
// before the first that draws.
constexpr qint64 kSizeLookahead = 64 * 1024;

QByteArray FormatOfHead(QByteArrayView head) {
    if (IsEmf(head))
        return "emf";
    if (IsWmf(head))
        return "wmf";
    return {};
}

// Whether the decode has been called off: every read of the watched file
// fails then. Asked at the file's start, where a read never runs out.
bool CalledOff(QIODevice* device) {
    char byte = 0;
    return device->peek(&byte, 1) < 0;
}

std::atomic<EmfDrawer> emfDrawerHere{nullptr};

// An EMF drawn in this process when there is a drawer, else refused: the
// program itself does not link libemf2svg.
QImage DrawEmfHere(QByteArrayView data, QSize size, QString& error, QStringList& warnings) {
    if (const EmfDrawer draw = emfDrawerHere)
        return draw(data, size, error, warnings);
    error = QStringLiteral("EMF pictures are drawn by kolvira-decode-emf, which is not installed");
    return {};
}

} // namespace

void DrawEmfInThisProcessWith(EmfDrawer drawer) {
    emfDrawerHere = drawer;
}

QByteArray MetafileHandler::FormatOf(QIODevice* device) {
    return device != nullptr ? FormatOfHead(device->peek(kSignatureBytes)) : QByteArray();
}

bool MetafileHandler::canRead() const {
    const QByteArray format = FormatOf(device());
    if (format.isEmpty())
        return false;
    setFormat(format);
    return true;
}

bool MetafileHandler::read(QImage* image) {
    QIODevice* file = device();
    const QByteArray data = file->readAll();
    const QByteArray format = FormatOfHead(data);
    QString error;
    QStringList warnings;
    QImage picture;
    if (format == "emf" && DecodesInChild("emf")) {
        return ReadInChild("emf", data, scaledSize_, file, image);
    } else if (format == "emf") {
        picture = DrawEmfHere(data, scaledSize_, error, warnings);
    } else if (format == "wmf") {
        file->seek(0);
        picture = DrawWmf(
            data, scaledSize_, [file] { return CalledOff(file); }, error, warnings);
    } else {
        error = QCoreApplication::translate("Decoding", "the file is not a Windows metafile");
    }
    // The decoding routine collects what a decoder says on its thread.
    for (const QString& warning : warnings)
        qWarning().noquote() << warning;
    if (picture.isNull()) {
        qWarning().noquote() << error;
        return false;
    }
    *image = std::move(picture);
    return true;
}

QSize MetafileHandler::HeaderSize() const {
    const QByteArray head = device()->peek(kSizeLookahead);
    const QByteArray format = FormatOfHead(head);
    return format == "emf" ? EmfSize(head) : format == "wmf" ? WmfSize(head) : QSize();
}

QImageIOPlugin::Capabilities MetafilePlugin::capabilities(QIODevice* device,
                                                          const QByteArray& format) const {
    return ReadCapability(device, format, format == "wmf" || format == "emf",
                          [](QIODevice* d) { return !MetafileHandler::FormatOf(d).isEmpty(); });
}

// Named by what the content is, an EMF behind a .wmf name included.
QImageIOHandler* MetafilePlugin::create(QIODevice* device, const QByteArray& format) const {
    const QByteArray found = MetafileHandler::FormatOf(device);
    return MakeHandler<MetafileHandler>(device, found.isEmpty() ? format : found);
}

} // namespace kolvira
