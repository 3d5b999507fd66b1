// The file:// URI that names a local file to other desktop programs: the
// absolute path with its dot segments resolved (links are left as they are,
// as a file manager names the file) and every byte outside the characters a
// URI path may hold percent-encoded, so names that are not UTF-8 keep their
// bytes.
#pragma once

#include <QByteArray>

#include <optional>

namespace kolvira {

// `nativePath` made absolute (from the working folder) with "." and ".."
// segments and repeated slashes removed; nullopt for an empty path or when
// the working folder is unknown.
std::optional<QByteArray> AbsoluteNativePath(const QByteArray& nativePath);

// "file://" and the absolute path, percent-encoded with upper-case hex;
// nullopt when the path cannot be made absolute.
std::optional<QByteArray> FileUri(const QByteArray& nativePath);

// The native path a file:// URI names (its bytes percent-decoded, so names
// that are not UTF-8 come back as they were); nullopt for another scheme or
// another host. "file:///p" and "file://localhost/p" name this computer; a
// query or fragment is no part of the name.
std::optional<QByteArray> PathOfFileUri(const QByteArray& uri);

} // namespace kolvira
