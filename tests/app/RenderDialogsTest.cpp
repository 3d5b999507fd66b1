// The Paint and Photo Editor dialogs driven directly: their controls, what
// Apply writes into the record and what it leaves alone, that closing writes
// nothing, the number boxes, the colour swatches with the colour dialog,
// and where the dialogs open.
#include "AppTestSupport.h"
#include "framework/DialogUnits.h"
#include "photowindow/DecimalText.h"
#include "photowindow/DialogPlacement.h"
#include "photowindow/DigitsEdit.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <limits>

using CloseDialog = std::function<void(QDialog&)>;
Q_DECLARE_METATYPE(CloseDialog)

using namespace kolvira;

namespace {

constexpr int kInt32Max = std::numeric_limits<std::int32_t>::max();

// As a freshly opened photo's view holds it.
RenderSettings FreshPhotoRecord() {
    RenderSettings record;
    record.replaceDepth = 40;
    record.brushSize = 2;
    return record;
}

// Every field away from what the dialogs write when untouched.
RenderSettings MarkedRecord() {
    RenderSettings r;
    r.invertColors = r.shiftColors = r.sandySky = r.blur = true;
    r.stamp = r.blackWhitePhoto = r.blackWhiteDream = true;
    r.style = kolvira::kStyleRainbow;
    r.replaceDepth = -3;
    r.brushSize = 9;
    r.penPress = r.details = r.brightness = r.redLevel = r.greenLevel = r.blueLevel = 0.61;
    r.oldColor = MakeColorref(10, 20, 30);
    r.newColor = MakeColorref(200, 100, 50);
    return r;
}

// The names of the fields that differ, so that a failure says which.
QStringList ChangedFields(const RenderSettings& a, const RenderSettings& b) {
    QStringList changed;
    const auto note = [&](bool differs, const char* name) {
        if (differs) {
            changed << QString::fromLatin1(name);
        }
    };
#define NOTE(field) note(a.field != b.field, #field)
    // clang-format off
    NOTE(active); NOTE(invertColors); NOTE(shiftColors); NOTE(sandySky); NOTE(blur);
    NOTE(impressionBrush); NOTE(stamp); NOTE(blackWhitePhoto); NOTE(blackWhiteDream);
    NOTE(style); NOTE(replaceDepth); NOTE(brushSize); NOTE(penPress); NOTE(details);
    NOTE(brightness); NOTE(redLevel); NOTE(greenLevel); NOTE(blueLevel);
    NOTE(oldColor); NOTE(newColor);
    // clang-format on
#undef NOTE
    return changed;
}

template <typename Control = QWidget> Control* Find(const QWidget& dialog, const char* name) {
    return dialog.findChild<Control*>(QString::fromLatin1(name));
}

void Open(QDialog& dialog) {
    dialog.show();
}

void Apply(const QDialog& dialog) {
    Find<QPushButton>(dialog, "apply")->click();
}

// Check boxes and radio buttons take clicks on their indicator and text only.
void ClickIndicator(QAbstractButton* button) {
    const int middle = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(middle, middle));
}

// The controls Tab visits, in order, as "name" or "name text".
QStringList TabStops(QWidget& dialog) {
    QStringList stops;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0) {
            const auto* button = qobject_cast<QAbstractButton*>(w);
            stops << (button ? w->objectName() + u' ' + button->text() : w->objectName());
        }
    }
    return stops;
}

QRect InPixels(int x, int y, int width, int height) {
    return DialogUnits(DialogFont()).Rect(x, y, width, height);
}

// The middle of the groove the style draws, in the dialog's coordinates.
int GrooveMiddle(const QSlider& slider) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.value();
    const QRect groove = slider.style()->subControlRect(QStyle::CC_Slider, &option,
                                                        QStyle::SC_SliderGroove, &slider);
    return slider.mapToParent(groove.center()).y();
}

QLabel* LabelReading(const QWidget& dialog, const QString& text) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return label;
        }
    }
    return nullptr;
}

QColor PixelOf(QWidget* widget, int x, int y) {
    return widget->grab().toImage().pixelColor(x, y);
}

QStringList EffectsOn(const RenderSettings& r) {
    QStringList on;
    const auto note = [&](bool set, const char* name) {
        if (set) {
            on << QString::fromLatin1(name);
        }
    };
#define NOTE(field) note(r.field, #field)
    // clang-format off
    NOTE(invertColors); NOTE(shiftColors); NOTE(sandySky); NOTE(blur);
    NOTE(impressionBrush); NOTE(stamp); NOTE(blackWhitePhoto); NOTE(blackWhiteDream);
    // clang-format on
#undef NOTE
    return on;
}

// Clicks `button` and answers the colour dialog it opens: picks `chosen` and
// accepts, or cancels when `chosen` is invalid. Gives the colour the dialog
// opened with, or an invalid one when it was not a parentless modal.
QColor ClickAndAnswerColorDialog(QAbstractButton* button, QColor chosen) {
    QColor opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll.stop();
        opened = dialog->parentWidget() == nullptr ? dialog->currentColor() : QColor();
        if (chosen.isValid()) {
            dialog->setCurrentColor(chosen);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    poll.start(10);
    button->click();
    return opened;
}

} // namespace

class RenderDialogsTest : public QObject {
    Q_OBJECT

private slots:

    void decimalPrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plus") << "+8" << 8;
        QTest::newRow("space after the sign") << "- 5" << 0;
        QTest::newRow("white space first") << " \t\n\v\f\r7" << 7;
        QTest::newRow("largest") << "2147483647" << kInt32Max;
        QTest::newRow("too large") << "99999999999999999999" << kInt32Max;
        QTest::newRow("smallest") << "-2147483648" << -kInt32Max - 1;
        QTest::newRow("too small") << "-2147483649" << -kInt32Max - 1;
    }

    void decimalPrefix() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(kolvira::DecimalPrefix(text.toStdString()), value);
    }

    void digitsEditRefusesTypedNonDigitsButTakesPastes() {
        DigitsEdit edit;
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("4a2 -b.7"));
        QCOMPARE(edit.text(), QStringLiteral("427"));
        // Editing keys and shortcuts still work.
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("2"));
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(QStringLiteral(" 12abc"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral(" 12abc"));
    }

    // Each dialog, its controls moved, closed each way while DoModal runs.
    void closingWritesNothing_data() {
        QTest::addColumn<bool>("photoEditor");
        QTest::addColumn<CloseDialog>("close");
        QTest::addColumn<int>("result");
        struct Closing {
            const char* how;
            int result;
            CloseDialog close;
        };
        const Closing closings[] = {
            {"OK", 1, [](QDialog& d) { Find<QPushButton>(d, "IDOK")->click(); }},
            {"Enter", 1, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }},
            {"Cancel", 2, [](QDialog& d) { Find<QPushButton>(d, "IDCANCEL")->click(); }},
            {"Esc", 2, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
            {"close box", 2, [](QDialog& d) { d.close(); }},
        };
        for (bool photoEditor : {false, true}) {
            for (const Closing& c : closings) {
                QTest::addRow("%s, %s", photoEditor ? "Photo Editor" : "Paint", c.how)
                    << photoEditor << c.close << c.result;
            }
        }
    }

    void closingWritesNothing() {
        QFETCH(bool, photoEditor);
        QFETCH(CloseDialog, close);
        QFETCH(int, result);
        const RenderSettings before = MarkedRecord();
        RenderSettings record = before;
        PaintDialog paint(record);
        PhotoEditorDialog editor(record);
        QDialog& dialog = photoEditor ? static_cast<QDialog&>(editor) : paint;
        QTimer::singleShot(0, &dialog, [&] {
            for (QSlider* slider : dialog.findChildren<QSlider*>()) {
                slider->setValue(3);
            }
            ClickIndicator(Find<QAbstractButton>(dialog, photoEditor ? "shiftColors" : "rainbow"));
            editor.oldColor = MakeColorref(1, 2, 3);
            close(dialog);
        });

        QCOMPARE(photoEditor ? editor.DoModal() : paint.DoModal(), result);
        QCOMPARE(ChangedFields(before, record), QStringList());
    }

    void paintLayout() {
        RenderSettings record;
        PaintDialog dialog(record);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Paint"));
        QCOMPARE(dialog.size(), InPixels(0, 0, 247, 247).size());
        QCOMPARE(TabStops(dialog),
                 QStringList({"IDOK OK", "pen Pen", "pencil Pencil", "coal Coal",
                              "waterColor Water color", "picasso Picasso", "rainbow Rainbow",
                              "revolution Revolution", "penPress", "details", "apply Apply",
                              "IDCANCEL Cancel"}));
        QVERIFY(Find<QPushButton>(dialog, "IDOK")->isDefault());
    }

    void paintUntouchedApplyWritesOnlyItsFourFields() {
        const RenderSettings before = MarkedRecord();
        RenderSettings record = before;
        PaintDialog dialog(record);
        Open(dialog);

        Apply(dialog);

        QCOMPARE(ChangedFields(before, record),
                 QStringList({"active", "style", "penPress", "details"}));
        QVERIFY(record.active);
        QCOMPARE(record.style, int(kolvira::kStylePen));
        QCOMPARE(record.penPress, 0.25);
        QCOMPARE(record.details, 0.75);
    }

    // The keys take the sliders to the ends of their range.
    void paintSliderEnds() {
        RenderSettings record;
        PaintDialog dialog(record);
        Open(dialog);
        QTest::keyClick(Find(dialog, "penPress"), Qt::Key_Home);
        QTest::keyClick(Find(dialog, "details"), Qt::Key_End);
        Apply(dialog);
        QCOMPARE(record.penPress, 1.0);
        QCOMPARE(record.details, 0.0);
    }

    void paintRadioButtonsGiveTheirStyles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("style");
        const char* const names[] = {"pen",     "pencil",  "coal",      "waterColor",
                                     "picasso", "rainbow", "revolution"};
        for (int style = 0; style < 7; ++style) {
            QTest::addRow("%s", names[style]) << QString::fromLatin1(names[style]) << style;
        }
    }

    void paintRadioButtonsGiveTheirStyles() {
        QFETCH(QString, name);
        QFETCH(int, style);
        RenderSettings record = MarkedRecord();
        PaintDialog dialog(record);
        Open(dialog);

        ClickIndicator(dialog.findChild<QRadioButton*>(name));
        Apply(dialog);

        QCOMPARE(record.style, style);
    }

    void paintReopensAtPenWhateverTheRecordHolds() {
        RenderSettings record = MarkedRecord(); // "Rainbow", sliders at 39
        PaintDialog dialog(record);
        QVERIFY(!Find<QRadioButton>(dialog, "pen")->isChecked()); // nothing set before it shows
        Open(dialog);
        QVERIFY(Find<QRadioButton>(dialog, "pen")->isChecked());
        QCOMPARE(Find<QSlider>(dialog, "penPress")->value(), 75);
        QCOMPARE(Find<QSlider>(dialog, "details")->value(), 25);
    }

    void photoEditorLayout() {
        RenderSettings record;
        PhotoEditorDialog dialog(record);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Photo Editor"));
        QCOMPARE(dialog.size(), InPixels(0, 0, 274, 286).size());
        QCOMPARE(TabStops(dialog), QStringList({"IDOK OK",
                                                "invertColors Inversed colors",
                                                "shiftColors Shifted colors",
                                                "sandySky Sandy sky",
                                                "blur Blur",
                                                "impressionBrush Impression   brush:",
                                                "brushSize",
                                                "stamp Stamp",
                                                "blackWhitePhoto Black-white photo",
                                                "blackWhiteDream Black-white dream",
                                                "redLevel",
                                                "greenLevel",
                                                "blueLevel",
                                                "oldSwatch",
                                                "chooseOldColor old",
                                                "newSwatch",
                                                "chooseNewColor new",
                                                "replaceDepth",
                                                "brightness",
                                                "apply Apply",
                                                "IDCANCEL Cancel"}));
        // The frame around the controls lies beneath them, so clicks reach them.
        dialog.show();
        QCOMPARE(dialog.childAt(Find(dialog, "blur")->geometry().center()), Find(dialog, "blur"));
    }

    // Each slider's groove is level with the text beside it.
    void slidersLineUpWithTheirTexts_data() {
        QTest::addColumn<bool>("photoEditor");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Pen press") << false << QStringLiteral("penPress") << "Pen press:";
        QTest::newRow("Details") << false << QStringLiteral("details") << "Details:";
        QTest::newRow("Red") << true << QStringLiteral("redLevel") << "Red:";
        QTest::newRow("Green") << true << QStringLiteral("greenLevel") << "Green:";
        QTest::newRow("Blue") << true << QStringLiteral("blueLevel") << "Blue:";
        QTest::newRow("Brightness") << true << QStringLiteral("brightness") << "Brightness:";
    }

    void slidersLineUpWithTheirTexts() {
        QFETCH(bool, photoEditor);
        QFETCH(QString, name);
        QFETCH(QString, text);
        RenderSettings record;
        PaintDialog paint(record);
        PhotoEditorDialog editor(record);
        QDialog& dialog = photoEditor ? static_cast<QDialog&>(editor) : paint;
        dialog.show();
        const QLabel* label = LabelReading(dialog, text);
        QVERIFY(label != nullptr);

        const int textMiddle = label->geometry().center().y();
        const int grooveMiddle = GrooveMiddle(*dialog.findChild<QSlider*>(name));
        QVERIFY2(std::abs(grooveMiddle - textMiddle) <= 1,
                 qPrintable(
                     QStringLiteral("groove at %1, text at %2").arg(grooveMiddle).arg(textMiddle)));
    }

    // Beside the photo window, right of it where the screen has room.
    void dialogsOpenBesideThePhoto_data() {
        QTest::addColumn<QRect>("photo");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("place");
        const QRect screen(0, 0, 1000, 800); // for a dialog of 300 x 400
        QTest::newRow("right") << QRect(100, 100, 400, 300) << screen << QPoint(500, 100);
        QTest::newRow("left, no room right")
            << QRect(500, 100, 400, 300) << screen << QPoint(200, 100);
        QTest::newRow("no room either side, more on the left")
            << QRect(200, 50, 650, 300) << screen << QPoint(0, 50);
        QTest::newRow("no room either side, more on the right")
            << QRect(100, 50, 650, 300) << screen << QPoint(700, 50);
        QTest::newRow("kept above the screen's bottom")
            << QRect(100, 600, 300, 150) << screen << QPoint(400, 400);
        QTest::newRow("second screen")
            << QRect(1100, 20, 300, 300) << QRect(1000, 0, 800, 600) << QPoint(1400, 20);
    }

    void dialogsOpenBesideThePhoto() {
        QFETCH(QRect, photo);
        QFETCH(QRect, screen);
        QFETCH(QPoint, place);
        QCOMPARE(kolvira::PlaceBeside(photo, QSize(300, 400), screen), place);
    }

    void photoEditorOpensAtFixedSwitchesAndTheRecordsValues() {
        RenderSettings record = MarkedRecord();
        PhotoEditorDialog dialog(record);
        Open(dialog);

        QStringList checked;
        for (const QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->isChecked()) {
                checked << box->objectName();
            }
        }
        QCOMPARE(checked, QStringList({"impressionBrush"}));
        for (const QSlider* slider : dialog.findChildren<QSlider*>()) {
            QCOMPARE(slider->value(), 50);
        }
        QCOMPARE(Find<QLineEdit>(dialog, "replaceDepth")->text(), QStringLiteral("-3"));
        QCOMPARE(Find<QLineEdit>(dialog, "brushSize")->text(), QStringLiteral("9"));
        QCOMPARE(PixelOf(Find(dialog, "newSwatch"), 5, 5), QColor(200, 100, 50));
    }

    // On a fresh photo's record as a Paint Apply left it.
    void photoEditorUntouchedApply() {
        RenderSettings before = FreshPhotoRecord();
        before.active = true;
        before.style = kolvira::kStylePicasso;
        before.penPress = 0.25;
        before.details = 0.75;
        RenderSettings record = before;
        PhotoEditorDialog dialog(record);
        Open(dialog);

        Apply(dialog);

        QCOMPARE(ChangedFields(before, record),
                 QStringList({"impressionBrush", "style", "brightness", "redLevel", "greenLevel",
                              "blueLevel"}));
        QCOMPARE(record.style, int(kolvira::kStylePhotoEffects));
        for (double level :
             {record.brightness, record.redLevel, record.greenLevel, record.blueLevel}) {
            QCOMPARE(level, 0.5);
        }
    }

    // A click flips a switch from how it opened; Apply clears every flag the
    // record held and sets those checked.
    void photoEditorSwitchesSetTheirFlags_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("on");
        QTest::newRow("invertColors")
            << QStringLiteral("invertColors") << QStringList({"invertColors", "impressionBrush"});
        QTest::newRow("shiftColors")
            << QStringLiteral("shiftColors") << QStringList({"shiftColors", "impressionBrush"});
        QTest::newRow("sandySky") << QStringLiteral("sandySky")
                                  << QStringList({"sandySky", "impressionBrush"});
        QTest::newRow("blur") << QStringLiteral("blur") << QStringList({"blur", "impressionBrush"});
        QTest::newRow("impressionBrush") << QStringLiteral("impressionBrush") << QStringList();
        QTest::newRow("stamp") << QStringLiteral("stamp")
                               << QStringList({"impressionBrush", "stamp"});
        QTest::newRow("blackWhitePhoto") << QStringLiteral("blackWhitePhoto")
                                         << QStringList({"impressionBrush", "blackWhitePhoto"});
        QTest::newRow("blackWhiteDream") << QStringLiteral("blackWhiteDream")
                                         << QStringList({"impressionBrush", "blackWhiteDream"});
    }

    void photoEditorSwitchesSetTheirFlags() {
        QFETCH(QString, name);
        QFETCH(QStringList, on);
        RenderSettings record = MarkedRecord();
        PhotoEditorDialog dialog(record);
        Open(dialog);

        ClickIndicator(dialog.findChild<QCheckBox*>(name));
        Apply(dialog);

        QCOMPARE(EffectsOn(record), on);
    }

    void photoEditorReadsTheNumberBoxes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("brush");
        QTest::newRow("digits then letters") << "12abc" << 12 << 12;
        QTest::newRow("letters") << "abc" << 0 << 1;
        QTest::newRow("empty") << "" << 0 << 1;
        QTest::newRow("negative") << "-5" << -5 << 1;
        QTest::newRow("one") << "1" << 1 << 1;
        QTest::newRow("spaces first") << "  7" << 7 << 7;
        QTest::newRow("beyond 32 bits") << "3000000000" << kInt32Max << kInt32Max;
    }

    // Pasted, since most of these cannot be typed.
    void photoEditorReadsTheNumberBoxes() {
        QFETCH(QString, text);
        QFETCH(int, depth);
        QFETCH(int, brush);
        RenderSettings record = FreshPhotoRecord();
        PhotoEditorDialog dialog(record);
        Open(dialog);
        for (const char* name : {"replaceDepth", "brushSize"}) {
            Find<QLineEdit>(dialog, name)->selectAll();
            Find<QLineEdit>(dialog, name)->insert(text);
        }

        Apply(dialog);

        QCOMPARE(record.replaceDepth, depth);
        QCOMPARE(record.brushSize, brush);
    }

    // The colour dialog opens parentless on black; a cancel changes nothing, a
    // choice shows in the swatch at once and reaches the record on Apply. The
    // colour covers the swatch but for its top and left frame lines.
    void photoEditorColorChoice() {
        const RenderSettings before = MarkedRecord();
        RenderSettings record = before;
        PhotoEditorDialog dialog(record);
        Open(dialog);
        QWidget* swatch = Find(dialog, "oldSwatch");

        QCOMPARE(ClickAndAnswerColorDialog(Find<QPushButton>(dialog, "chooseOldColor"), QColor()),
                 QColor(Qt::black));
        QCOMPARE(dialog.oldColor, before.oldColor);
        QCOMPARE(PixelOf(swatch, 5, 5), QColor(10, 20, 30));

        kolvira::test::PaintCounter swatchPaints(swatch);
        QCOMPARE(ClickAndAnswerColorDialog(Find<QPushButton>(dialog, "chooseOldColor"),
                                           QColor(7, 120, 240)),
                 QColor(Qt::black));
        QCOMPARE(dialog.oldColor, MakeColorref(7, 120, 240));
        QVERIFY(swatchPaints.count > 0); // repainted on the screen, not only when grabbed
        const int right = swatch->width() - 1;
        const int bottom = swatch->height() - 1;
        QCOMPARE(PixelOf(swatch, right, 0), QColor(Qt::black));
        QCOMPARE(PixelOf(swatch, 0, bottom), QColor(Qt::black));
        QCOMPARE(PixelOf(swatch, 1, 1), QColor(7, 120, 240));
        QCOMPARE(PixelOf(swatch, right, bottom), QColor(7, 120, 240));
        QCOMPARE(ChangedFields(before, record), QStringList());

        Apply(dialog);
        QCOMPARE(record.oldColor, MakeColorref(7, 120, 240));
        QCOMPARE(record.newColor, before.newColor);
    }
};

QTEST_MAIN(RenderDialogsTest)
#include "RenderDialogsTest.moc"
