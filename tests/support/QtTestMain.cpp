// GoogleTest programs that decode pictures run inside a QCoreApplication, as
// the programs do: Qt then finds the same image format plugins, and the
// plugins belong to the application rather than to the short-lived threads
// that decode (without one, their clean-up at exit could corrupt the heap).
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
