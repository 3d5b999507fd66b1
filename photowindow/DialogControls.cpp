#include "photowindow/DialogControls.h"

#include "photowindow/PhotoView.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

namespace kolvira {

namespace {

constexpr int kSliderMaximum = 100;
// A fifth of the range, as a trackbar pages by default.
constexpr int kSliderPageStep = 20;

} // namespace

DialogLayout::DialogLayout(QDialog& dialog, const QString& caption, int width, int height)
    : dialog_(dialog), units_(DialogFont()) {
    dialog.setWindowTitle(caption);
    dialog.setFont(DialogFont());
    dialog.setFixedSize(units_.X(width), units_.Y(height));
}

QPushButton* DialogLayout::OkButton(DialogRect rect) {
    auto* button = new QPushButton(QCoreApplication::translate("Dialog", "OK"), &dialog_);
    button->setObjectName(QStringLiteral("IDOK"));
    button->setDefault(true);
    Position(*button, rect);
    QObject::connect(button, &QPushButton::clicked, &dialog_, &QDialog::accept);
    return button;
}

QPushButton* DialogLayout::CancelButton(DialogRect rect) {
    auto* button = new QPushButton(QCoreApplication::translate("Dialog", "Cancel"), &dialog_);
    button->setObjectName(QStringLiteral("IDCANCEL"));
    Position(*button, rect);
    QObject::connect(button, &QPushButton::clicked, &dialog_, &QDialog::reject);
    return button;
}

QPushButton* DialogLayout::PushButton(const char* name, const QString& text, DialogRect rect) {
    return Place(new QPushButton(text, &dialog_), name, rect);
}

QRadioButton* DialogLayout::RadioButton(const char* name, const QString& text, DialogRect rect,
                                        QGroupBox* group) {
    if (group == nullptr)
        return Place(new QRadioButton(text, &dialog_), name, rect);
    auto* button = Place(new QRadioButton(text, group), name, rect);
    button->move(button->pos() - group->pos());
    return button;
}

QCheckBox* DialogLayout::CheckBox(const char* name, const QString& text, DialogRect rect) {
    auto* box = Place(new QCheckBox(text, &dialog_), name, rect);
    // A text spaced out to line up on screen is read without the spaces.
    if (text.simplified() != text)
        box->setAccessibleName(text.simplified());
    return box;
}

QSlider* DialogLayout::Slider(const char* name, DialogRect rect, DialogRect label) {
    auto* slider = Place(new QSlider(Qt::Horizontal, &dialog_), name, rect);
    slider->setRange(0, kSliderMaximum);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setSingleStep(1);
    slider->setPageStep(kSliderPageStep);
    // The style draws the groove where it likes within the slider; the
    // slider is made as high as the style wants and moved until the groove
    // is level with the text.
    const QRect given = slider->geometry();
    const QRect text = units_.Rect(label.x, label.y, label.width, label.height);
    const int height = slider->sizeHint().height();
    slider->setGeometry(given.x(), text.center().y() - height / 2, given.width(), height);
    const int grooveMiddle = slider->mapToParent(GrooveRect(*slider).center()).y();
    slider->move(slider->x(), slider->y() + text.center().y() - grooveMiddle);
    return slider;
}

QLabel* DialogLayout::Label(const QString& text, Qt::Alignment horizontal, DialogRect rect) {
    auto* label = new QLabel(text, &dialog_);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontal | Qt::AlignTop);
    Position(*label, rect);
    return label;
}

QGroupBox* DialogLayout::GroupBox(const QString& title, DialogRect rect) {
    auto* box = new QGroupBox(title, &dialog_);
    Position(*box, rect);
    box->lower();
    return box;
}

void DialogLayout::Position(QWidget& control, DialogRect rect) const {
    control.setGeometry(units_.Rect(rect.x, rect.y, rect.width, rect.height));
}

QRect GrooveRect(const QSlider& slider) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_None;
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.upsideDown = slider.invertedAppearance();
    return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove,
                                          &slider);
}

void ResetSlider(QSlider& slider, int position) {
    slider.setRange(0, kSliderMaximum);
    slider.setValue(position);
}

double SliderSetting(const QSlider& slider) {
    return 1.0 - slider.value() / static_cast<double>(slider.maximum());
}

} // namespace kolvira
