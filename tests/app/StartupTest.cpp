// Starting the program with files: the command line, the Mosaic that opens
// with the file selected, and the hand-over to a program already running.
// Run under a private session bus (dbus-run-session) by CTest.
#include "AppTestSupport.h"

#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/StartupArguments.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaicwindow/MosaicView.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTest>

using namespace kolvira;
using namespace kolvira::test;

class StartupTest : public AppTestCase {
    Q_OBJECT

private slots:
    void commandLinesAreRead_data();
    void commandLinesAreRead();
    void aFileOpensItsMosaicWithItSelected();
    void aSecondStartHandsItsFilesToTheRunningProgram();

private:
    std::string SelectedPathOfActiveMosaic() const;
};

void StartupTest::commandLinesAreRead_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("newInstance");
    QTest::addColumn<bool>("wrong");
    const QString invalidUtf8 = QString::fromLatin1("caf\xe9.jpg");
    QTest::newRow("none") << QStringList{} << QStringList{} << false << false;
    QTest::newRow("relative and absolute")
        << QStringList{"a.jpg", "sub/b.png", "/p/c.gif"}
        << QStringList{"/work/a.jpg", "/work/sub/b.png", "/p/c.gif"} << false << false;
    QTest::newRow("file URLs, percent-decoded to bytes")
        << QStringList{"file:///p/two%20words.jpg", "file://localhost/p/caf%E9.jpg"}
        << QStringList{"/p/two words.jpg", "/p/" + invalidUtf8} << false << false;
    QTest::newRow("a name that looks like an option, after --")
        << QStringList{"--new-instance", "--", "-x.jpg"} << QStringList{"/work/-x.jpg"} << true
        << false;
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate", "a.jpg"} << QStringList{"/work/a.jpg"} << false << true;
    QTest::newRow("remote URL") << QStringList{"file://server/p.jpg"} << QStringList{} << false
                                << true;
}

void StartupTest::commandLinesAreRead() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QFETCH(bool, newInstance);
    QFETCH(bool, wrong);
    std::vector<std::string> argv;
    for (const QString& argument : arguments)
        argv.push_back(argument.toLatin1().toStdString());
    const StartupArguments parsed = ParseStartupArguments(argv, "/work");
    std::vector<std::string> expected;
    for (const QString& file : files)
        expected.push_back(file.toLatin1().toStdString());
    QCOMPARE(parsed.files, expected);
    QCOMPARE(parsed.newInstance, newInstance);
    QCOMPARE(!parsed.error.isEmpty(), wrong);
    // The hand-over carries the same bytes.
    QCOMPARE(SplitPaths(JoinPaths(parsed.files)), parsed.files);
}

std::string StartupTest::SelectedPathOfActiveMosaic() const {
    MosaicView* mosaic = ActiveMosaic();
    if (mosaic == nullptr || mosaic->currentRow() < 0)
        return {};
    const QList<QListWidgetItem*> selected = mosaic->selectedItems();
    if (selected.size() != 1 || mosaic->row(selected.front()) != mosaic->currentRow())
        return {};
    return mosaic->photoPaths[mosaic->currentRow()];
}

void StartupTest::aFileOpensItsMosaicWithItSelected() {
    for (const char* name : {"a.jpg", "b.png", "c.jpg", "d.bmp"})
        photos_->AddPhoto(name, {40, 30});
    app_->OpenFiles({photos_->PathOf("c.jpg")});
    QCOMPARE(SelectedPathOfActiveMosaic(), photos_->PathOf("c.jpg"));
    QCOMPARE(ActiveMosaic()->count(), 4);
    // Another file of that folder: the same Mosaic comes forward.
    app_->OpenFiles({photos_->PathOf("a.jpg")});
    QCOMPARE(DocumentWindowCount(), 1);
    QCOMPARE(SelectedPathOfActiveMosaic(), photos_->PathOf("a.jpg"));
}

void StartupTest::aSecondStartHandsItsFilesToTheRunningProgram() {
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: run under dbus-run-session");
    photos_->AddPhoto("first.jpg", {40, 30});
    photos_->AddPhoto("second.jpg", {40, 30});
    InstanceService service(
        [this](const std::vector<std::string>& files) { app_->OpenFiles(files); });
    QVERIFY(service.Claim());

    // The second program is the real one, started as a file manager would.
    QProcess second;
    second.setWorkingDirectory(photos_->Directory());
    second.start(
        QStringLiteral(KOLVIRA_EXE),
        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("second.jpg")});
    QVERIFY(second.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20'000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(SelectedPathOfActiveMosaic(), photos_->PathOf("second.jpg"));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
