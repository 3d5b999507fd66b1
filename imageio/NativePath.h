// Paths are kept as the file system's own bytes, so names that are not
// valid in the locale's encoding still open; they become text only to be
// shown. Code that holds a path as std::string holds these bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>
#include <utility>

namespace kolvira {

class NativePath {
public:
    NativePath() = default;
    // Implicit: a std::string path in this program is always native bytes.
    NativePath(std::string bytes) : bytes_(std::move(bytes)) {}
    // The file a name typed or chosen in a dialog stands for.
    static NativePath FromShown(const QString& text) {
        return NativePath(QFile::encodeName(text).toStdString());
    }

    const std::string& Bytes() const { return bytes_; }
    QByteArray ToByteArray() const { return QByteArray::fromStdString(bytes_); }
    // The name as the user reads it; bytes the locale cannot decode show as
    // replacement characters.
    QString Shown() const { return QFile::decodeName(ToByteArray()); }
    bool IsEmpty() const { return bytes_.empty(); }

    bool operator==(const NativePath&) const = default;

private:
    std::string bytes_;
};

} // namespace kolvira

inline QString ShownPath(const std::string& nativePath) {
    return kolvira::NativePath(nativePath).Shown();
}
