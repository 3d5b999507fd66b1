// A folder holding one picture of every format the program reads: the
// Mosaic lists each with its thumbnail in name order, each opens in a photo
// window, the contact sheet prints them all, and kolvira-render renders each.
#include "AppTestSupport.h"

#include "PdfPages.h"
#include "app/Application.h"
#include "framework/ChildFrame.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PhotoView.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace kolvira;
using namespace kolvira::test;

class EveryFormatTest : public AppTestCase {
    Q_OBJECT

private slots:
    void everyFormatIsListedOpenedPrintedAndRendered();
};

namespace {

int Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit
               ? process.exitCode()
               : -1;
}

} // namespace

void EveryFormatTest::everyFormatIsListedOpenedPrintedAndRendered() {
    const QDir folder(photos_->Directory());
    QCOMPARE(
        Run(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KOLVIRA_CORPUS_SCRIPT),
                                                 QStringLiteral("--every-format"), folder.path()}),
        0);
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    QCOMPARE(names.size(), 14);

    QVERIFY(App()->OpenDocumentFile(photos_->PathOf(names.front())) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(WaitForMosaicBuild(mosaic));
    QStringList listed;
    for (int row = 0; row < mosaic->count(); ++row)
        listed << mosaic->item(row)->text();
    QCOMPARE(listed, names);
    QCOMPARE(mosaic->BuiltCount(), names.size());

    for (int row = 0; row < names.size(); ++row) {
        mosaic->OpenEntry(row);
        PhotoView* view = ActivePhotoView();
        QVERIFY2(view != nullptr && !view->Photo().Image().isNull(), qPrintable(names[row]));
        ActiveChildFrame()->close();
        QTRY_COMPARE(DocumentWindowCount(), 1);
    }

    const QTemporaryDir output;
    const QString sheet = output.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(mosaic->SaveAs(sheet, *mosaic->Host()));
    QCOMPARE(PdfPageCount(sheet), 1);

    for (const QString& name : names)
        QVERIFY2(Run(QStringLiteral(KOLVIRA_RENDER_EXE),
                     {QStringLiteral("-q"), folder.filePath(name), QStringLiteral("-o"),
                      output.filePath(name + QStringLiteral(".png"))}) == 0,
                 qPrintable(name));
    QCOMPARE(Run(QStringLiteral(KOLVIRA_RENDER_EXE),
                 {QStringLiteral("-q"), QStringLiteral("--contact-sheet"), folder.path(),
                  QStringLiteral("-o"), output.filePath(QStringLiteral("cli-sheet.pdf"))}),
             0);
}

QTEST_MAIN(EveryFormatTest)
#include "EveryFormatTest.moc"
