#include "mosaic/FileUri.h"

#include <QList>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace kolvira {
namespace {

// The characters a URI path keeps as they are (RFC 2396's unreserved ones and
// those allowed in a path segment, without ';', which starts parameters).
bool KeptInPath(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != '\0' && std::strchr("-_.!~*'():@&=+$,/", c) != nullptr);
}

} // namespace

std::optional<QByteArray> AbsoluteNativePath(const QByteArray& nativePath) {
    if (nativePath.isEmpty())
        return std::nullopt;
    QByteArray absolute = nativePath;
    if (!nativePath.startsWith('/')) {
        const std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
        if (!cwd)
            return std::nullopt;
        absolute = QByteArray(cwd.get()) + '/' + nativePath;
    }
    std::vector<QByteArray> segments;
    for (const QByteArray& segment : absolute.split('/')) {
        if (segment.isEmpty() || segment == ".")
            continue;
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
            continue;
        }
        segments.push_back(segment);
    }
    QByteArray path;
    for (const QByteArray& segment : segments)
        path += '/' + segment;
    return path.isEmpty() ? QByteArray("/") : path;
}

std::optional<QByteArray> FileUri(const QByteArray& nativePath) {
    const std::optional<QByteArray> absolute = AbsoluteNativePath(nativePath);
    if (!absolute)
        return std::nullopt;
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    uri.reserve(uri.size() + absolute->size() * 3);
    for (const char byte : *absolute) {
        const auto c = static_cast<unsigned char>(byte);
        if (KeptInPath(c)) {
            uri += byte;
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0xF];
        }
    }
    return uri;
}

std::optional<QByteArray> PathOfFileUri(const QByteArray& uri) {
    constexpr qsizetype kSchemeLength = sizeof "file://" - 1;
    if (!uri.left(kSchemeLength).toLower().startsWith("file://"))
        return std::nullopt;
    QByteArray rest = uri.mid(kSchemeLength);
    if (rest.startsWith("localhost/"))
        rest.remove(0, qsizetype(sizeof "localhost") - 1);
    if (!rest.startsWith('/'))
        return std::nullopt;
    // '?' and '#' in a name arrive percent-encoded.
    for (const char end : {'?', '#'}) {
        if (const qsizetype at = rest.indexOf(end); at >= 0)
            rest.truncate(at);
    }
    return QByteArray::fromPercentEncoding(rest);
}

} // namespace kolvira
