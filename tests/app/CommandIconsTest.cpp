// The toolbar and window icons: each one loads from the program's own
// resources and is drawn afresh at any size and pixel ratio, so that it stays
// sharp on HiDPI screens and can serve as the desktop icon.
#include "app/CommandIcons.h"
#include "framework/CommandIds.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

using namespace kolvira;

namespace {

struct NamedIcon {
    const char* name;
    QIcon icon;
};

QList<NamedIcon> AllIcons() {
    return {{"Open", CommandIcon(ID_FILE_OPEN)},
            {"Print Preview", CommandIcon(ID_FILE_PRINT_PREVIEW)},
            {"Print", CommandIcon(ID_FILE_PRINT)},
            {"Refresh Mosaic", CommandIcon(ID_REFRESH_MOSAIC)},
            {"More Size", CommandIcon(ID_MORE_SIZE)},
            {"Less Size", CommandIcon(ID_LESS_SIZE)},
            {"Paint", CommandIcon(ID_PAINT)},
            {"Photo Editor", CommandIcon(ID_PHOTO_EDITOR)},
            {"application", ApplicationIcon()},
            {"photo window", PhotoWindowIcon()},
            {"Mosaic window", MosaicWindowIcon()}};
}

// How many pixels of the image are at least half opaque.
int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
    }
    return count;
}

} // namespace

class CommandIconsTest : public QObject {
    Q_OBJECT

private slots:
    void iconIsDrawnAtAnySizeAndPixelRatio_data();
    void iconIsDrawnAtAnySizeAndPixelRatio();
    void everyIconLooksDifferent();
    void commandsWithoutAButtonImageHaveNone();
};

void CommandIconsTest::iconIsDrawnAtAnySizeAndPixelRatio_data() {
    QTest::addColumn<QIcon>("icon");
    for (const NamedIcon& named : AllIcons())
        QTest::newRow(named.name) << named.icon;
}

void CommandIconsTest::iconIsDrawnAtAnySizeAndPixelRatio() {
    QFETCH(QIcon, icon);
    QVERIFY(!icon.isNull());
    // A scalable engine lists no fixed sizes and fills whatever it is asked
    // for; an icon of bitmaps would stop at its largest one.
    QVERIFY(icon.availableSizes().isEmpty());
    QCOMPARE(icon.actualSize(QSize(256, 256)), QSize(256, 256));

    for (int size : {16, 64}) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // Drawn, not blank: every design covers a good share of its square.
        QVERIFY2(OpaquePixels(image) > size * size / 4, qPrintable(QString::number(size)));
    }

    // On a screen of pixel ratio 2 a 16-pixel button gets 32 device pixels,
    // in the disabled look too, as most buttons start greyed out.
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0, mode);
        QCOMPARE(sharp.size(), QSize(32, 32));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QVERIFY(OpaquePixels(sharp.toImage()) > 0);
    }
}

void CommandIconsTest::everyIconLooksDifferent() {
    const QList<NamedIcon> icons = AllIcons();
    for (qsizetype i = 0; i < icons.size(); ++i) {
        const QImage first = icons[i].icon.pixmap(16).toImage();
        for (qsizetype j = i + 1; j < icons.size(); ++j) {
            QVERIFY2(
                first != icons[j].icon.pixmap(16).toImage(),
                qPrintable(QStringLiteral("%1 and %2 look the same")
                               .arg(QLatin1String(icons[i].name), QLatin1String(icons[j].name))));
        }
    }
}

void CommandIconsTest::commandsWithoutAButtonImageHaveNone() {
    for (int commandId :
         {int(ID_FILE_NEW), int(ID_FILE_SAVE), int(ID_EDIT_COPY), int(ID_APP_ABOUT), 0})
        QVERIFY2(CommandIcon(commandId).isNull(), qPrintable(QString::number(commandId)));
}

QTEST_MAIN(CommandIconsTest)
#include "CommandIconsTest.moc"
