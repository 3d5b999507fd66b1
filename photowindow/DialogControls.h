// What the Paint and Photo Editor dialogs share: the ids their controls are
// named by, the placing of controls in dialog units, the value a slider
// stands for, and the view repaint after Apply.
#pragma once

#include "framework/DialogUnits.h"
#include "photowindow/RenderSettings.h"

#include <QRect>
#include <QString>
#include <Qt>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace kolvira {

// Controls are named for what they set ("penPress", "blur"), so that
// tests and accessibility tools find them by name.

// A control's rectangle in dialog units.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

// Gives a dialog its caption, font and fixed client size and makes its
// controls. Controls are made in the order Tab visits them.
class DialogLayout {
public:
    DialogLayout(QDialog& dialog, const QString& caption, int width, int height);

    // "OK": the default button, closing with OK.
    QPushButton* OkButton(DialogRect rect);
    // "Cancel": closes with Cancel.
    QPushButton* CancelButton(DialogRect rect);
    QPushButton* PushButton(const char* name, const QString& text, DialogRect rect);
    // Made inside `group` when given, so that screen readers announce the
    // group with it; `rect` is in the dialog's units all the same.
    QRadioButton* RadioButton(const char* name, const QString& text, DialogRect rect,
                              QGroupBox* group = nullptr);
    QCheckBox* CheckBox(const char* name, const QString& text, DialogRect rect);
    // Horizontal, 0..100, no tick marks, across the width of `rect`, its
    // groove level with the middle of `label`, the rectangle of the text
    // beside it (the layouts line the text up with the groove).
    QSlider* Slider(const char* name, DialogRect rect, DialogRect label);
    QLabel* Label(const QString& text, Qt::Alignment horizontal, DialogRect rect);
    // Kept beneath the controls it frames, so that it takes none of their clicks.
    QGroupBox* GroupBox(const QString& title, DialogRect rect);

    // Names and places a control made elsewhere.
    template <typename Control>
    Control* Place(Control* control, const char* name, DialogRect rect) {
        control->setObjectName(QString::fromLatin1(name));
        Position(*control, rect);
        return control;
    }

private:
    void Position(QWidget& control, DialogRect rect) const;

    QDialog& dialog_;
    DialogUnits units_;
};

// Where the style draws the slider's groove, in the slider's coordinates.
QRect GrooveRect(const QSlider& slider);

// Puts a slider back to its range 0..100 at `position`.
void ResetSlider(QSlider& slider, int position);

// The value a slider stands for: 1.0 at its left end ("less") down to 0.0
// at its right end ("more").
double SliderSetting(const QSlider& slider);

} // namespace kolvira
