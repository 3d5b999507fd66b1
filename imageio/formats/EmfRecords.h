// An EMF's records checked before libemf2svg sees them. libemf2svg reads
// the points, characters, rectangles and bitmaps a record announces as far
// as the record's counts and offsets say, so a record that lies about them
// would make it read past the file; such files are refused here.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace kolvira {

struct EmfRecords {
    qsizetype end = -1; // just past the end-of-file record
    quint32 count = 0;  // the records up to and with the end-of-file record
    QString error;      // why the records cannot be played; empty when they can
};

// The records of `data`, from the header record to the end-of-file record.
EmfRecords CheckEmfRecords(QByteArrayView data);

} // namespace kolvira
