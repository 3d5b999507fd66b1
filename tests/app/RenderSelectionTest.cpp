// File → Render Selection over a Mosaic's selected photos: one drawing per
// readable photo, the same bytes kolvira-render writes, a single question
// before replacing drawings, one closing message, photos never touched, and
// Esc stopping the batch without leaving a partial file.
#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "mosaicwindow/MosaicView.h"
#include "mosaicwindow/RenderSelectionDialog.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoView.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace kolvira;
using namespace kolvira::test;

namespace {

const QStringList kPhotos{"a.jpg", "b.jpg", "c.jpg", "d.png", "e.jpg"};
const QString kUnreadable = QStringLiteral("c.jpg");
constexpr int kShownWidth = 64;

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

// Keeps the text of the next message box and closes it.
void KeepNextMessage(QString& message) {
    WhenModalOpens<QMessageBox>([&message](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
}

} // namespace

class RenderSelectionTest : public AppTestCase {
    Q_OBJECT

private slots:
    void rendersEachReadablePhotoAndAsksOnceAboutExisting_data();
    void rendersEachReadablePhotoAndAsksOnceAboutExisting();
    void escapeStopsWithoutPartialFiles();
    void lastPhotoWindowLendsItsLookAndWidth();
    void theDialogRemembersTheFolderChosen();

private:
    // A Mosaic over kPhotos with every entry selected, and the photos' bytes.
    MosaicView* SelectAllPhotos(std::map<QString, QByteArray>& photoBytes);
    QString InFolder(const QString& name) const { return photos_->Directory() + u'/' + name; }
};

MosaicView* RenderSelectionTest::SelectAllPhotos(std::map<QString, QByteArray>& photoBytes) {
    for (const QString& name : kPhotos)
        photos_->AddPhoto(name, QSize(96, 72));
    if (App()->OpenDocumentFile(photos_->PathOf(kPhotos.front())) == nullptr)
        return nullptr;
    MosaicView* mosaic = ActiveMosaic();
    if (!WaitForMosaicBuild(mosaic) || mosaic->count() != kPhotos.size())
        return nullptr;
    // Unreadable only now, after the Mosaic listed it.
    QFile text(InFolder(kUnreadable));
    if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) || text.write("not a photo\n") < 0)
        return nullptr;
    text.close();
    if (mosaic->HandlesCommand(ID_RENDER_SELECTION) != !mosaic->selectedItems().isEmpty())
        return nullptr;
    mosaic->selectAll();
    for (const QString& name : kPhotos)
        photoBytes[name] = Bytes(InFolder(name));
    return mosaic;
}

void RenderSelectionTest::rendersEachReadablePhotoAndAsksOnceAboutExisting_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rendered"); // -1: nothing rendered, no closing message
    QTest::newRow("Yes replaces the existing drawing") << int{QMessageBox::Yes} << 4;
    QTest::newRow("No keeps it") << int{QMessageBox::No} << 3;
    QTest::newRow("Cancel writes nothing") << int{QMessageBox::Cancel} << -1;
}

void RenderSelectionTest::rendersEachReadablePhotoAndAsksOnceAboutExisting() {
    QFETCH(int, answer);
    QFETCH(int, rendered);
    std::map<QString, QByteArray> photoBytes;
    QVERIFY(SelectAllPhotos(photoBytes) != nullptr);
    const QString existing = InFolder("b drawn.png");
    const QByteArray oldDrawing("an earlier drawing");
    QFile earlier(existing);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(oldDrawing) > 0);
    earlier.close();

    // The look: Coal, set in the real Paint dialog; the size as shown.
    WhenModalOpens<RenderSelectionDialog>([](RenderSelectionDialog& dialog) {
        WhenModalOpens<PaintDialog>([](PaintDialog& paint) {
            Click(paint, "coal");
            Click(paint, "apply");
            Click(paint, "IDOK");
        });
        Click(dialog, "paintButton");
        Click(dialog, "asShown");
        dialog.findChild<QSpinBox*>("shownWidth")->setValue(kShownWidth);
        Click(dialog, "IDOK");
    });
    QString question;
    QString message;
    WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
        question = box.text();
        if (rendered >= 0) // Cancel ends without a message; no watcher may outlive the test
            KeepNextMessage(message);
        box.button(static_cast<QMessageBox::StandardButton>(answer))->click();
    });
    MainFrame()->OnCommand(ID_RENDER_SELECTION);

    const QString folder = QDir::toNativeSeparators(photos_->Directory());
    QCOMPARE(question,
             QStringLiteral("1 of the drawings already exist in %1. Replace them?").arg(folder));
    QStringList expected = kPhotos;
    if (rendered < 0) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        expected << "b drawn.png";
    } else {
        QVERIFY2(message.startsWith(
                     QStringLiteral("Rendered %1 of 5 photos into %2.").arg(rendered).arg(folder)),
                 qPrintable(message));
        QVERIFY2(message.contains(kUnreadable + u':'), qPrintable(message));
        for (const char* name : {"a", "b", "d", "e"})
            expected << QString::fromLatin1(name) + QStringLiteral(" drawn.png");
    }
    QCOMPARE(Bytes(existing) == oldDrawing, answer != QMessageBox::Yes);
    expected.sort();
    QCOMPARE(QDir(photos_->Directory()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             expected);
    for (const auto& [name, bytes] : photoBytes)
        QVERIFY2(Bytes(InFolder(name)) == bytes, qPrintable(name));
    if (rendered < 0)
        return;

    // The batch renderer writes the same file for the same photo and look.
    const QString outDir = photos_->Directory() + QStringLiteral("/cli");
    QProcess render;
    render.start(QStringLiteral(KOLVIRA_RENDER_EXE),
                 {"--quiet", "--style", "coal", "--width", QString::number(kShownWidth),
                  InFolder("a.jpg"), InFolder("d.png"), "-d", outDir});
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    QCOMPARE(Bytes(InFolder("a drawn.png")), Bytes(outDir + "/a.png"));
    QCOMPARE(Bytes(InFolder("d drawn.png")), Bytes(outDir + "/d.png"));
}

void RenderSelectionTest::escapeStopsWithoutPartialFiles() {
    std::map<QString, QByteArray> photoBytes;
    QVERIFY(SelectAllPhotos(photoBytes) != nullptr);

    WhenModalOpens<RenderSelectionDialog>([](RenderSelectionDialog& dialog) {
        // No photo window: nothing to borrow.
        QVERIFY(!dialog.findChild<QAbstractButton*>("activeWindowLook")->isEnabled());
        QCOMPARE(dialog.findChild<QSpinBox*>("shownWidth")->value(),
                 RenderSelectionDialog::kDefaultWidth);
        Click(dialog, "fullResolution");
        Click(dialog, "IDOK");
    });
    // Esc while the second photo is being rendered, once the first is written.
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&] {
        if (MainFrame()->statusBar()->currentMessage().startsWith("2/")) {
            escape.stop();
            QTest::keyClick(MainFrame(), Qt::Key_Escape);
        }
    });
    escape.start(0);
    QString message;
    KeepNextMessage(message);
    MainFrame()->OnCommand(ID_RENDER_SELECTION);

    QVERIFY2(message.startsWith("Rendered 1 of 5 photos into"), qPrintable(message));
    QStringList expected = kPhotos;
    expected << "a drawn.png";
    expected.sort();
    QCOMPARE(QDir(photos_->Directory()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             expected);
}

void RenderSelectionTest::lastPhotoWindowLendsItsLookAndWidth() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("a.jpg", QSize(320, 240)));
    QVERIFY(view != nullptr);
    view->Photo().Settings().active = true;
    view->Photo().Settings().style = kStyleCoal;
    view->Photo().Settings().penPress = 0.5;
    // Back to the Mosaic: the photo window stays the one last used, also
    // once another photo window opened from the Mosaic has closed again.
    const auto activateMosaic = [] {
        for (QMdiSubWindow* window : MainFrame()->MdiArea()->subWindowList()) {
            if (auto* frame = qobject_cast<ChildFrame*>(window);
                dynamic_cast<MosaicView*>(frame->DocumentView()) != nullptr)
                MainFrame()->MdiArea()->setActiveSubWindow(window);
        }
    };
    activateMosaic();
    App()->OpenPhotoWindow(photos_->PathOf("a.jpg"));
    QVERIFY(ActivePhotoView() != view);
    ActiveChildFrame()->close();
    FlushDeferredDeletes();
    activateMosaic();
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(mosaic != nullptr);
    mosaic->selectAll();

    SelectionRenderRequest request;
    WhenModalOpens<RenderSelectionDialog>([&request](RenderSelectionDialog& dialog) {
        Click(dialog, "activeWindowLook");
        request = dialog.Request();
        dialog.reject();
    });
    MainFrame()->OnCommand(ID_RENDER_SELECTION);
    QVERIFY(request.settings == view->Photo().Settings().Parameters());
    QCOMPARE(request.width, qRound(view->pictureWidth * view->DeviceRatio()));
}

// Every "&" of a label marks a key, and the folder chosen is offered again.
void RenderSelectionTest::theDialogRemembersTheFolderChosen() {
    std::map<QString, QByteArray> photoBytes;
    MosaicView* mosaic = SelectAllPhotos(photoBytes);
    QVERIFY(mosaic != nullptr);
    mosaic->clearSelection();
    mosaic->item(0)->setSelected(true);
    const QTemporaryDir chosen;
    QStringList unmarked;
    QString offered;
    const auto run = [&](const std::function<void(RenderSelectionDialog&)>& steps) {
        WhenModalOpens<RenderSelectionDialog>(steps);
        const MessageBoxCloser closing; // the batch's closing message
        MainFrame()->OnCommand(ID_RENDER_SELECTION);
    };
    run([&](RenderSelectionDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text().contains(u'&') && label->buddy() == nullptr)
                unmarked << label->text();
        dialog.findChild<QLineEdit*>("outputFolder")->setText(chosen.path());
        Click(dialog, "IDOK");
    });
    QVERIFY(QFile::exists(chosen.path() + "/a drawn.png"));
    run([&](RenderSelectionDialog& dialog) {
        offered = dialog.findChild<QLineEdit*>("outputFolder")->text();
        dialog.reject();
    });
    QCOMPARE(unmarked, QStringList());
    QCOMPARE(offered, chosen.path());
}

QTEST_MAIN(RenderSelectionTest)
#include "RenderSelectionTest.moc"
