#include "photowindow/PaintDialog.h"

#include "photowindow/DialogControls.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <array>

namespace kolvira {

namespace {

constexpr int kPenPressAtOpening = 75;
constexpr int kDetailsAtOpening = 25;
// The texts beside the sliders, which the sliders' grooves line up with.
constexpr DialogRect kPenPressText{7, 171, 38, 8};
constexpr DialogRect kDetailsText{7, 198, 38, 8};

struct StyleButton {
    const char* name;
    const char* text;
    int y;
    RenderStyle style;
};

// In tab order, which is also the order Apply looks for the checked one.
constexpr std::array<StyleButton, 7> kStyleButtons{{
    {"pen", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Pen"), 23, kStylePen},
    {"pencil", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Pencil"), 38, kStylePencil},
    {"coal", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Coal"), 53, kStyleCoal},
    {"waterColor", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Water color"), 68, kStyleWaterColor},
    {"picasso", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Picasso"), 83, kStylePicasso},
    {"rainbow", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Rainbow"), 98, kStyleRainbow},
    {"revolution", QT_TRANSLATE_NOOP("kolvira::PaintDialog", "Revolution"), 113, kStyleRevolution},
}};

} // namespace

QString StyleText(int style) {
    for (const StyleButton& button : kStyleButtons) {
        if (button.style == style)
            return PaintDialog::tr(button.text);
    }
    return PaintDialog::tr("Photo Editor");
}

PaintDialog::PaintDialog(RenderSettings& settings, std::function<void()> applied, QWidget* parent)
    : Dialog(parent), settings_(settings), applied_(std::move(applied)) {
    DialogLayout layout(*this, tr("Paint"), 247, 247);

    layout.OkButton({190, 226, 50, 14});
    QGroupBox* art = layout.GroupBox(tr("Art of Drawing"), {7, 7, 233, 128});
    styles_ = new QButtonGroup(this);
    styles_->setExclusive(true);
    for (const StyleButton& button : kStyleButtons)
        styles_->addButton(
            layout.RadioButton(button.name, tr(button.text), {21, button.y, 71, 10}, art),
            button.style);
    penPress_ = layout.Slider("penPress", {55, 159, 185, 19}, kPenPressText);
    details_ = layout.Slider("details", {55, 187, 185, 19}, kDetailsText);
    auto* apply = layout.PushButton("apply", tr("Apply"), {7, 226, 50, 14});
    connect(apply, &QAbstractButton::clicked, this, &PaintDialog::OnApply);
    layout.CancelButton({132, 226, 50, 14});
    layout.Label(tr("Details:"), Qt::AlignRight, kDetailsText)->setBuddy(details_);
    layout.Label(tr("more"), Qt::AlignRight, {194, 145, 46, 8});
    layout.Label(tr("less"), Qt::AlignLeft, {55, 145, 46, 8});
    layout.Label(tr("Pen press:"), Qt::AlignRight, kPenPressText)->setBuddy(penPress_);
}

void PaintDialog::OnInitDialog() {
    ResetSlider(*penPress_, kPenPressAtOpening);
    ResetSlider(*details_, kDetailsAtOpening);
    styles_->button(kStyleButtons.front().style)->setChecked(true);
}

void PaintDialog::OnApply() {
    settings_.penPress = SliderSetting(*penPress_);
    settings_.details = SliderSetting(*details_);
    settings_.active = true;
    for (const StyleButton& button : kStyleButtons) {
        if (styles_->button(button.style)->isChecked()) {
            settings_.style = button.style;
            break;
        }
    }
    if (applied_)
        applied_();
}

} // namespace kolvira
