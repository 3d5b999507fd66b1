// Windows icons and cursors hold one picture in several sizes and colour
// depths, and the first entry is often the smallest and plainest (16 x 16 in
// 16 colours) while a 48 x 48 true-colour or 256 x 256 PNG one follows. Qt's
// reader starts at the first; the program shows the largest.
#pragma once

#include <QIODevice>
#include <QImageReader>
#include <QList>
#include <QSize>

namespace kolvira {

struct IconEntry {
    QSize size;
    int bitsPerPixel = 0; // 0 when the directory tells neither bits nor colours
};

// The entries the directory at the start of `file` lists, as it states them;
// empty when `file` starts no icon or cursor. Reads nothing away.
QList<IconEntry> ReadIconDirectory(QIODevice& file);

// The entry to show: the largest, then the one with the most colours; the
// first of equal ones. -1 when there are none.
int LargestIconEntry(const QList<IconEntry>& entries);

// Sets `reader` to the entry to show when it reads an icon or cursor; other
// readers are left alone.
void ReadLargestIconEntry(QImageReader& reader);

} // namespace kolvira
