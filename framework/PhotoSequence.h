// A list of photos a photo window can step through: the Mosaic it was
// opened from.
#pragma once

#include <QObject>
#include <QPointer>

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

// A photo sequence as a photo window holds it: null once the window that
// is the sequence has gone.
class PhotoSequenceLink {
public:
    PhotoSequenceLink() = default;
    // `window` is a QObject that is also a PhotoSequence (a Mosaic view).
    template <class Window>
    explicit PhotoSequenceLink(Window* window) : guard_(window), sequence_(window) {}

    const PhotoSequence* get() const { return guard_ != nullptr ? sequence_ : nullptr; }

private:
    QPointer<QObject> guard_;
    const PhotoSequence* sequence_ = nullptr;
};

} // namespace kolvira
