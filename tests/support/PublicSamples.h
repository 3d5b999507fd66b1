// Pictures from Debian packages that nobody here made (scripts/install-deps.sh
// installs them): the program is checked against files from the wild, not
// only against pictures it wrote itself.
#pragma once

#include <QFile>
#include <QString>

namespace kolvira::test {

struct PublicSample {
    QString path;
    const char* package;

    // Why a test that needs the file cannot run; empty when it is there.
    QString Missing() const {
        if (QFile::exists(path))
            return {};
        return QStringLiteral("%1 (Debian package %2) is not installed")
            .arg(path, QLatin1String(package));
    }
};

// A PNG of Qt's documentation that embeds the 3,144-byte "sRGB IEC61966-2.1"
// profile of 1998, which cameras and editors embed and libpng knows as faulty.
inline PublicSample FaultySrgbProfilePng() {
    return {QStringLiteral("/usr/share/qt6/doc/global/template/images/horBar.png"), "qt6-base-dev"};
}

// An icon of 18 entries: first a 48 x 48 one of 16 colours, later ones of
// 256 colours and true colour, the largest 256 x 256 and compressed as PNG.
inline PublicSample ManySizesIcon() {
    return {QStringLiteral(
                "/usr/libexec/installed-tests/gdk-pixbuf/test-images/reftests/bug785447.ico"),
            "gdk-pixbuf-tests"};
}

// A file of the PNG test suite, `name` with its folder ("transparency/...").
inline PublicSample PngSuite(const QString& name) {
    return {QStringLiteral("/usr/share/doc/libsixel-examples/examples/images/pngsuite/") + name,
            "libsixel-examples"};
}

} // namespace kolvira::test
