// GoogleTest programs that decode pictures run inside a QCoreApplication, as
// the programs do: Qt then finds the same image format plugins, and the
// plugins belong to the application rather than to the short-lived threads
// that decode (without one, their clean-up at exit could corrupt the heap).
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "imageio/decoding/DecodeWatchdog.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Thumbnails the tests make go to a folder of their own, not the user's.
    const QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path()));
    testing::InitGoogleTest(&argc, argv);
    return kolvira::LeaveAfterDecodes(RUN_ALL_TESTS());
}
