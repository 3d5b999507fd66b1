// Starting the program with files: the command line, the Mosaic that opens
// with the file selected, and the requests that reach a program already
// running over the session bus (a second start, gdbus, gapplication), or
// start one there. Run under a private session bus (dbus-run-session) by CTest.
#include "AppTestSupport.h"

#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/StartupArguments.h"
#include "mosaic/FileUri.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaicwindow/MosaicView.h"

#include "app/MainWindow.h"
#include "framework/ChildFrame.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>

#include <signal.h>

using namespace kolvira;
using namespace kolvira::test;

class StartupTest : public AppTestCase {
    Q_OBJECT

private slots:
    void commandLinesAreRead_data();
    void commandLinesAreRead();
    void aFileOpensItsMosaicWithItSelected();
    void requestsReachTheRunningProgram_data();
    void requestsReachTheRunningProgram();
    void theBusStartsTheProgramForARequest();

private:
    std::string SelectedPathOfActiveMosaic() const { return SelectedPathOf(ActiveMosaic()); }
    // The one Mosaic's, whichever window is active.
    std::string SelectedPathOfMosaic() const;
    static std::string SelectedPathOf(const MosaicView* mosaic);
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
    // The hand-over's URIs carry the same bytes.
    for (const std::string& file : parsed.files)
        QCOMPARE(PathOfFileUri(*FileUri(QByteArray::fromStdString(file))),
                 QByteArray::fromStdString(file));
}

std::string StartupTest::SelectedPathOfMosaic() const {
    const QList<QMdiSubWindow*> windows = MainFrame()->MdiArea()->subWindowList();
    const auto* frame = windows.size() == 1 ? qobject_cast<ChildFrame*>(windows.front()) : nullptr;
    return SelectedPathOf(frame != nullptr ? dynamic_cast<MosaicView*>(frame->DocumentView())
                                           : nullptr);
}

std::string StartupTest::SelectedPathOf(const MosaicView* mosaic) {
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

namespace {

const QString kDest = QStringLiteral("--dest=org.kolvira.Kolvira");
const QString kPath = QStringLiteral("--object-path=/org/kolvira/Kolvira");

QStringList GdbusCall(const QString& method, const QStringList& arguments) {
    return QStringList{"call", "--session", kDest, kPath,
                       "--method=org.freedesktop.Application." + method} +
           arguments;
}

// Runs a client to its end, serving the bus meanwhile; its exit code, or -1
// when it crashed or hung.
int RunClient(QProcess& client, const QString& program, const QStringList& arguments) {
    client.start(program, arguments);
    if (!QTest::qWaitFor([&client] { return client.state() == QProcess::NotRunning; }, 20'000) ||
        client.exitStatus() != QProcess::NormalExit)
        return -1;
    return client.exitCode();
}

} // namespace

void StartupTest::requestsReachTheRunningProgram_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("served");    // answered without an error, and brought forward
    QTest::addColumn<QString>("opened"); // the photo then selected; empty for none
    const QString kolvira = QStringLiteral(KOLVIRA_EXE);
    // The clients run in the photo folder; FOLDER stands for its URI.
    QTest::newRow("a second kolvira FILE")
        << kolvira << QStringList{"-platform", "offscreen", "b.jpg"} << true << "b.jpg";
    QTest::newRow("a plain second kolvira")
        << kolvira << QStringList{"-platform", "offscreen"} << true << "";
    QTest::newRow("gdbus Open with a token")
        << "gdbus"
        << GdbusCall("Open", {"['FOLDER/two%20words.jpg']", "{'activation-token': <'t1'>}"}) << true
        << "two words.jpg";
    QTest::newRow("gdbus Activate with a startup id")
        << "gdbus" << GdbusCall("Activate", {"{'desktop-startup-id': <'host_TIME42'>}"}) << true
        << "";
    QTest::newRow("gapplication launch FILE")
        << "gapplication" << QStringList{"launch", "org.kolvira.Kolvira", "c.jpg"} << true
        << "c.jpg";
    QTest::newRow("a remote URI is refused")
        << "gdbus" << GdbusCall("Open", {"['sftp://host/a.jpg']", "{}"}) << false << "";
    QTest::newRow("there are no actions")
        << "gdbus" << GdbusCall("ActivateAction", {"quit", "[]", "{}"}) << false << "";
}

void StartupTest::requestsReachTheRunningProgram() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, served);
    QFETCH(QString, opened);
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: run under dbus-run-session");
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "two words.jpg"})
        photos_->AddPhoto(name, {40, 30});
    InstanceService service([this](const std::vector<std::string>& files, const QString& token) {
        app_->OpenFiles(files, token);
    });
    QVERIFY(service.Claim());
    app_->OpenFiles({photos_->PathOf("a.jpg")});
    MainFrame()->showMinimized();
    arguments.replaceInStrings(
        QStringLiteral("FOLDER"),
        QString::fromLatin1(*FileUri(QFile::encodeName(photos_->Directory()))));

    QProcess client;
    client.setWorkingDirectory(photos_->Directory());
    client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QCOMPARE(RunClient(client, program, arguments) == 0, served);
    if (served)
        QTRY_VERIFY(!MainFrame()->isMinimized());
    else
        QVERIFY(MainFrame()->isMinimized());
    if (!opened.isEmpty())
        QTRY_COMPARE(SelectedPathOfMosaic(), photos_->PathOf(opened));
    QCOMPARE(DocumentWindowCount(), 1);
}

// As a desktop starts the program from its desktop entry: gapplication asks
// a private bus for the name, and the bus starts Kolvira by its service file.
void StartupTest::theBusStartsTheProgramForARequest() {
    photos_->AddPhoto("started.jpg", {40, 30});
    QTemporaryDir home;
    QFile service(QStringLiteral(KOLVIRA_SERVICE_TEMPLATE));
    QVERIFY(service.open(QIODevice::ReadOnly));
    const QString bindir = QFileInfo(QStringLiteral(KOLVIRA_EXE)).absolutePath();
    const QByteArray text = service.readAll().replace("@bindir@", bindir.toUtf8());
    QVERIFY(QDir(home.path()).mkpath("share/dbus-1/services"));
    QFile installed(home.filePath("share/dbus-1/services/org.kolvira.Kolvira.service"));
    QVERIFY(installed.open(QIODevice::WriteOnly) && installed.write(text) == text.size());
    installed.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The bus reads service files from these folders alone, not from an
    // installed Kolvira's.
    environment.insert("XDG_DATA_HOME", home.filePath("share"));
    environment.insert("XDG_DATA_DIRS", home.filePath("share"));
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess bus;
    bus.setProcessEnvironment(environment);
    bus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    QVERIFY(bus.waitForReadyRead(10'000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", address);

    QProcess client;
    client.setProcessEnvironment(environment);
    client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const int launched = RunClient(
        client, "gapplication",
        {"launch", "org.kolvira.Kolvira", QString::fromStdString(photos_->PathOf("started.jpg"))});

    // The program the bus started keeps the file among its recent ones.
    QDBusConnection connection = QDBusConnection::connectToBus(address, "activation");
    const uint pid = connection.interface()->servicePid("org.kolvira.Kolvira");
    const QString settings = home.filePath("config/Kolvira/Kolvira.conf");
    const auto recentFiles = [&settings] {
        QFile file(settings);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_VERIFY_WITH_TIMEOUT(recentFiles().contains("started.jpg") || pid == 0, 20'000);
    if (pid != 0)
        ::kill(pid_t(pid), SIGTERM);
    QDBusConnection::disconnectFromBus("activation");
    bus.terminate();
    bus.waitForFinished();
    QCOMPARE(launched, 0);
    QVERIFY(pid != 0);
    QVERIFY(recentFiles().contains("started.jpg"));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
