#include "mosaic/PhotoOrder.h"

#include "imageio/PictureMetadata.h"
#include "mosaic/ImageDiscovery.h"

#include <QByteArray>

#include <algorithm>

#include <sys/stat.h>

namespace kolvira {
namespace {

constexpr std::int64_t kNanosPerMilli = 1'000'000;

template <class T> int Compare(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::string TypeOf(const std::string& path) {
    return GetExtension(GetFileName(path));
}

} // namespace

const PhotoOrder::Facts& PhotoOrder::FactsOf(const std::string& path) {
    auto [found, inserted] = facts_.try_emplace(path);
    Facts& facts = found->second;
    if (inserted) {
        struct stat status;
        if (stat(path.c_str(), &status) == 0) {
            facts.modified =
                std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec;
            facts.size = status.st_size;
        }
    }
    // Only a sort by date taken opens the files for their EXIF.
    if (key_ == SortKey::DateTaken && !facts.takenRead) {
        facts.takenRead = true;
        const auto taken = DateTaken(QByteArray::fromStdString(path));
        facts.taken = taken ? taken->toMSecsSinceEpoch() * kNanosPerMilli : facts.modified;
    }
    return facts;
}

int PhotoOrder::CompareByKey(const std::string& a, const std::string& b) {
    switch (key_) {
    case SortKey::Name:
        return 0;
    case SortKey::Type:
        return CompareFolded(TypeOf(a), TypeOf(b));
    case SortKey::DateTaken:
        return Compare(FactsOf(a).taken, FactsOf(b).taken);
    case SortKey::FileDate:
        return Compare(FactsOf(a).modified, FactsOf(b).modified);
    case SortKey::Size:
        return Compare(FactsOf(a).size, FactsOf(b).size);
    }
    return 0;
}

bool PhotoOrder::Before(const std::string& a, const std::string& b) {
    const std::string& first = reversed_ ? b : a;
    const std::string& second = reversed_ ? a : b;
    const int byKey = CompareByKey(first, second);
    return byKey != 0 ? byKey < 0 : ListedBefore(first, second);
}

void PhotoOrder::Sort(std::vector<std::string>& paths) {
    std::sort(paths.begin(), paths.end(),
              [this](const std::string& a, const std::string& b) { return Before(a, b); });
}

std::size_t PhotoOrder::Place(const std::vector<std::string>& paths, const std::string& path) {
    const auto place =
        std::lower_bound(paths.begin(), paths.end(), path,
                         [this](const std::string& listed, const std::string& added) {
                             return Before(listed, added);
                         });
    return static_cast<std::size_t>(place - paths.begin());
}

} // namespace kolvira
