// Recognising a damaged photo from what its decoder said. Decoders such as
// libjpeg fill a cut-off or corrupted picture with grey and only warn, so the
// warnings are all there is to go by. Warnings about harmless oddities (a few
// stray bytes after the picture, a colour profile libpng dislikes) are not
// damage.
#pragma once

#include <QString>
#include <QStringList>

namespace kolvira {

// The first of `codecMessages` that tells of missing or corrupted picture
// data; empty when none does.
QString DamageSign(const QStringList& codecMessages);

// Whether the BMP that starts with `header` (its first 54 bytes or more)
// needs more than `fileSize` bytes for its rows. Qt's BMP reader returns what
// it read of a cut-off file without a word. Compressed BMPs, whose length
// the header does not tell, count as complete.
bool BmpEndsEarly(const QByteArray& header, qint64 fileSize);

// Whether the GIF `file` ends before its first picture's data does. Qt's GIF
// reader shows what it read of a cut-off file without a word.
bool GifEndsEarly(const QByteArray& file);

// The reason given for a photo whose file ended before its picture did.
QString EndsEarlyReason();

} // namespace kolvira
