// kolvira-decode-emf emf [--size WxH] [--text]: draws the EMF on stdin and
// writes the picture to stdout. The one program that links libemf2svg (GPL-2
// only); it links no library whose licence that rules out (libheif, libjxl).
#include "imageio/DecoderChild.h"
#include "imageio/EmfFormat.h"

#include <QtDebug>

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
        });
}
