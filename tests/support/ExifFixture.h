// Photos with camera metadata for the tests, and reading metadata back.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace kolvira::test {

// What a camera writes, by Exiv2 key; the fixture's own values.
const QMap<QString, QString>& CameraExif();

// Writes CameraExif(), with the given orientation and a preview picture,
// into the JPEG at `path`; false when it cannot.
bool AddCameraExif(const QString& path, int orientation);

// Writes `date` ("yyyy:MM:dd HH:mm:ss") as the date the photo at `path`
// was taken; false when it cannot.
bool SetDateTaken(const QString& path, const QString& date);

// The EXIF of the file at `path` as key -> value text (empty when none),
// and whether it holds a preview picture.
QMap<QString, QString> ReadExif(const QString& path);
bool HasExifPreview(const QString& path);

} // namespace kolvira::test
