// A photo view driven through a small fake host, without the program.
#include <QTest>

class FakeHostTest : public QObject {
    Q_OBJECT
};

QTEST_MAIN(FakeHostTest)
#include "FakeHostTest.moc"
