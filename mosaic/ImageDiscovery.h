// Finds the image files of one directory for the mosaic window. Paths are the
// system's own bytes with '/' separators; they need not be valid UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kolvira {

// Extensions (upper case, no dot) of the files the mosaic shows.
inline constexpr std::array<std::string_view, 9> imageExtensions = {
    "JPG", "BMP", "GIF", "TIF", "PNG", "CUR", "WMF", "EMF", "ICO"};

// The formats of today's phones and cameras, listed beside those: HEIF and
// AVIF, JPEG XL, WebP, and camera raw files.
inline constexpr std::array<std::string_view, 14> phoneAndCameraExtensions = {
    "HEIC", "HEIF", "AVIF", "JXL", "WEBP", "DNG", "CR2",
    "CR3",  "NEF",  "ARW",  "ORF", "RW2",  "RAF", "PEF"};

// Whether an extension, upper case and without the dot, is one of the above.
bool IsImageExtension(std::string_view upperExtension);

// The text after the last '.' of the whole path, "" when there is none.
// A dot in a directory counts when the file name has none: "/a.b/c" gives "b/c".
std::string GetExtension(const std::string& path);

// The text before the last '/', "" when there is none ("/a.jpg" gives "").
std::string GetDirectory(const std::string& path);

// The text after the last '/', "" when there is none ("a.jpg" gives "").
std::string GetFileName(const std::string& path);

// The folder's own order of names: ASCII letters compared as upper case,
// then the raw bytes, so that the order is the same on every run.
bool ListedBefore(const std::string& a, const std::string& b);
// The same comparison as -1, 0 or 1, with names equal but for case equal.
int CompareFolded(const std::string& a, const std::string& b);

// Appends directory + "/" + name for each image file of `directory` ("" is the
// root) and returns how many it appended. Only names not starting with '.',
// with an image extension (any case) and naming a regular file,
// links followed, are listed. A non-empty `extensionFilter` also keeps only that
// extension (any case). The new entries are sorted with ASCII letters compared
// as upper case, then by raw bytes; what `paths` held before is left as it was.
// A directory that cannot be read gives 0.
int ScanDirectory(const std::string& directory, std::vector<std::string>& paths,
                  const std::string& extensionFilter);

} // namespace kolvira
