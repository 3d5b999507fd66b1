// A photo file as a decoder reads it, watched on the way: once the decode is
// called off every read fails, so that the decoder gives up at its next read,
// and a read that finds nothing left is noted, for a decoder that quietly
// returns what it had when the file ends too soon.
#pragma once

#include <QFile>
#include <QIODevice>

#include <atomic>

namespace kolvira {

class WatchedPhotoFile : public QIODevice {
public:
    // `file` is open for reading and outlives this device; `stop` is set by
    // whoever calls the decode off.
    WatchedPhotoFile(QFile& file, const std::atomic<bool>& stop);

    bool isSequential() const override { return false; }
    qint64 size() const override { return file_.size(); }
    bool seek(qint64 position) override;

    // Whether the decoder asked for more after the last byte of the file
    // since the last call of WatchForRunningOut: format probes peek past the
    // end of tiny files, so only the decode proper counts.
    bool RanOut() const { return ranOut_; }
    void WatchForRunningOut() { ranOut_ = false; }
    // Whether a read failed because the decode was called off.
    bool Stopped() const { return stopped_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile& file_;
    const std::atomic<bool>& stop_;
    bool ranOut_ = false;
    bool stopped_ = false;
};

} // namespace kolvira
