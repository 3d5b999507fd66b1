#include "photowindow/PaintDialog.h"

#include "photowindow/CurrentSettings.h"
#include "photowindow/DialogControls.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <array>

namespace kolvira {

using namespace kolvira;

namespace {

constexpr int kIdPenPress = 1007;
constexpr int kIdDetails = 1002;
constexpr int kPenPressAtOpening = 75;
constexpr int kDetailsAtOpening = 25;
// The texts beside the sliders, which the sliders' grooves line up with.
constexpr DialogRect kPenPressText{7, 171, 38, 8};
constexpr DialogRect kDetailsText{7, 198, 38, 8};

struct StyleButton {
    int id;
    const char* text;
    int y;
    RenderStyle style;
};

// In tab order, which is also the order Apply looks for the checked one;
// the ids do not follow the styles.
constexpr std::array<StyleButton, 7> kStyleButtons{{
    {1003, "Pen", 23, kStylePen},
    {1005, "Pencil", 38, kStylePencil},
    {1009, "Coal", 53, kStyleCoal},
    {1004, "Water color", 68, kStyleWaterColor},
    {1008, "Picasso", 83, kStylePicasso},
    {1010, "Rainbow", 98, kStyleRainbow},
    {1011, "Revolution", 113, kStyleRevolution},
}};

} // namespace

PaintDialog::PaintDialog(QWidget* parent) : Dialog(parent) {
    DialogLayout layout(*this, QStringLiteral("Paint"), 247, 247);

    layout.OkButton({190, 226, 50, 14});
    layout.GroupBox(QStringLiteral("Art of Drawing"), {7, 7, 233, 128});
    styles_ = new QButtonGroup(this);
    styles_->setExclusive(true);
    for (const StyleButton& button : kStyleButtons) {
        styles_->addButton(
            layout.RadioButton(button.id, QString::fromLatin1(button.text), {21, button.y, 71, 10}),
            button.id);
    }
    penPress_ = layout.Slider(kIdPenPress, {55, 159, 185, 19}, kPenPressText);
    details_ = layout.Slider(kIdDetails, {55, 187, 185, 19}, kDetailsText);
    auto* apply = layout.PushButton(kIdApply, QStringLiteral("Apply"), {7, 226, 50, 14});
    connect(apply, &QAbstractButton::clicked, this, &PaintDialog::OnApply);
    layout.CancelButton({132, 226, 50, 14});
    layout.Label(QStringLiteral("Details:"), Qt::AlignRight, kDetailsText);
    layout.Label(QStringLiteral("more"), Qt::AlignRight, {194, 145, 46, 8});
    layout.Label(QStringLiteral("less"), Qt::AlignLeft, {55, 145, 46, 8});
    layout.Label(QStringLiteral("Pen press:"), Qt::AlignRight, kPenPressText);
}

void PaintDialog::OnInitDialog() {
    settings_ = currentSettings;
    ResetSlider(*penPress_, kPenPressAtOpening);
    ResetSlider(*details_, kDetailsAtOpening);
    styles_->button(kStyleButtons.front().id)->setChecked(true);
}

void PaintDialog::OnApply() {
    if (settings_ == nullptr) {
        return;
    }
    settings_->penPress = SliderSetting(*penPress_);
    settings_->details = SliderSetting(*details_);
    settings_->active = true;
    for (const StyleButton& button : kStyleButtons) {
        if (styles_->button(button.id)->isChecked()) {
            settings_->style = button.style;
            break;
        }
    }
    RepaintOwnerView(*settings_);
}

} // namespace kolvira
