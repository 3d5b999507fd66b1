#include "mosaic/ImageDiscovery.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <memory>
#include <utility>

#include <dirent.h>
#include <sys/stat.h>

namespace kolvira {
namespace {

// readdir may report an error instead of an entry and still go on after it;
// this many errors in a row end the listing instead.
constexpr int kMaxReadErrorsInARow = 3;

// Only ASCII letters change: other bytes may be part of a multi-byte name.
char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        c = AsciiUpper(c);
    return text;
}

// Follows links, so a link to a picture counts. Never opens the entry: opening
// a FIFO would wait for a writer forever.
bool IsRegularFile(int directoryFd, const char* name) {
    struct stat status;
    return fstatat(directoryFd, name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

} // namespace

int CompareFolded(const std::string& a, const std::string& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(AsciiUpper(a[i]));
        const auto y = static_cast<unsigned char>(AsciiUpper(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool ListedBefore(const std::string& a, const std::string& b) {
    const int folded = CompareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b; // std::string compares bytes unsigned
}

bool IsImageExtension(std::string_view upperExtension) {
    const auto listed = [upperExtension](const auto& table) {
        return std::find(table.begin(), table.end(), upperExtension) != table.end();
    };
    return listed(imageExtensions) || listed(phoneAndCameraExtensions);
}

std::string GetExtension(const std::string& path) {
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string GetDirectory(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string GetFileName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

int ScanDirectory(const std::string& directory, std::vector<std::string>& paths,
                  const std::string& extensionFilter) {
    // Files at the root get "/name": a leading "//" may mean something else on POSIX.
    const bool isRoot = directory.empty() || directory == "/";
    const std::string prefix = isRoot ? "/" : directory + "/";
    std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(isRoot ? "/" : directory.c_str()),
                                                closedir);
    if (!listing)
        return 0;

    const std::string wantedExtension = AsciiUpper(extensionFilter);
    const size_t firstNew = paths.size();
    int errorsInARow = 0;
    while (true) {
        errno = 0;
        const dirent* entry = readdir(listing.get());
        if (!entry) {
            if (errno == 0 || ++errorsInARow >= kMaxReadErrorsInARow)
                break;
            continue;
        }
        errorsInARow = 0;

        const char* name = entry->d_name;
        if (name[0] == '.') // hidden, "." and ".." too
            continue;
        std::string path = prefix + name;
        const std::string extension = AsciiUpper(GetExtension(path));
        if (!IsImageExtension(extension) ||
            (!wantedExtension.empty() && extension != wantedExtension))
            continue;
        // Checked last: the only step that asks the file system about the entry.
        if (!IsRegularFile(dirfd(listing.get()), name))
            continue;
        paths.push_back(std::move(path));
    }

    std::sort(paths.begin() + static_cast<std::ptrdiff_t>(firstNew), paths.end(), ListedBefore);
    return static_cast<int>(paths.size() - firstNew);
}

} // namespace kolvira
