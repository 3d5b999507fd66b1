// A list of photos a photo window can step through: the Mosaic it was
// opened from.
#pragma once

#include <string>

namespace kolvira {

class PhotoSequence {
public:
    virtual ~PhotoSequence() = default;

    // The photo `step` entries after `path` (before it when negative), or
    // empty past either end. A photo taken off the list since counts from
    // where it stood.
    virtual std::string PhotoBeside(const std::string& path, int step) const = 0;
};

} // namespace kolvira
