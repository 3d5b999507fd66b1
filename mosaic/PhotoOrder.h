// The orders a Mosaic can show its photos in: by name (the folder's own
// order), by the date each was taken, by the file's date, size or type,
// each one reversible. Photos equal by the chosen key keep the name order
// among them. What an order needs to know of a file is read once and kept,
// so that photos arriving later find their place without reading the
// others again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kolvira {

enum class SortKey { Name, DateTaken, FileDate, Size, Type };

class PhotoOrder {
public:
    SortKey Key() const { return key_; }
    bool Reversed() const { return reversed_; }
    void Set(SortKey key, bool reversed) {
        key_ = key;
        reversed_ = reversed;
    }

    bool Before(const std::string& a, const std::string& b);
    void Sort(std::vector<std::string>& paths);
    // Where `path` goes among `paths`, which are in this order.
    std::size_t Place(const std::vector<std::string>& paths, const std::string& path);
    // The file has changed: what is known of it is read again when needed.
    void Forget(const std::string& path) { facts_.erase(path); }

private:
    struct Facts {
        std::int64_t modified = 0; // nanoseconds since the epoch
        std::int64_t size = 0;
        std::int64_t taken = 0; // the EXIF date, else `modified`
        bool takenRead = false;
    };
    const Facts& FactsOf(const std::string& path);
    // -1, 0 or 1 by the key alone.
    int CompareByKey(const std::string& a, const std::string& b);

    SortKey key_ = SortKey::Name;
    bool reversed_ = false;
    std::unordered_map<std::string, Facts> facts_;
};

} // namespace kolvira
