// The picture formats the program saves by name. Save As lists them, a saved
// name's extension is checked against them, Render Selection offers them as
// file types and kolvira-render's --help names them; the first is the one a
// name without an extension is written as.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kolvira {

struct WritableFormat {
    QString name;         // "PNG", as the program shows it
    QStringList suffixes; // without the dot; the first is the one new names get
    bool keepsExif;       // a file of it carries the photo's EXIF
    int quality;          // QImageWriter's quality; -1 leaves the writer's own
};

const std::vector<WritableFormat>& WritableFormats();

// The format a suffix (any case, without the dot) names, or nullptr.
const WritableFormat* WritableFormatOf(const QString& suffix);

// "a, b, c or d": a list of names in a sentence.
QString JoinedInSentence(const QStringList& items);

} // namespace kolvira
