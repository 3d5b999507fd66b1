// kolvira-decode-emf emf [--size WxH] [--text]: draws the EMF on stdin and
// writes the picture to stdout. The one program that links libemf2svg (GPL-2
// only); it links no library whose licence that rules out (libheif, libjxl).
#include "imageio/decoding/DecoderChild.h"
#include "imageio/formats/EmfFormat.h"

#include <QtDebug>

#include <iconv.h>

int main(int argc, char** argv) {
    return kolvira::RunDecoderChild(
        argc, argv, "kolvira-decode-emf",
        [](QByteArray& bytes, const QByteArray&, QSize scaledSize, QString& error) {
            QStringList warnings;
            const QImage image = kolvira::DrawEmf(bytes, scaledSize, error, warnings);
            // Said as the metafile reader says them in the program itself.
            for (const QString& warning : warnings)
                qWarning().noquote() << warning;
            if (image.isNull())
                qWarning().noquote() << error;
            return image;
        },
        [](const QByteArray&) {
            // libemf2svg turns the EMF's UTF-16 text into UTF-8 through
            // iconv, whose converter is loaded on first use; kept open so
            // that it stays loaded.
            static const iconv_t utf16 = iconv_open("UTF-8", "UTF-16LE");
            (void)utf16;
        });
}
