// The tests run inside a QCoreApplication, as kolvira-render does, so that
// Qt finds the same image format plugins.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
