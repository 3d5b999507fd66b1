#include "photowindow/PhotoEditorDialog.h"

#include "photowindow/ColorSwatch.h"
#include "photowindow/CurrentSettings.h"
#include "photowindow/DecimalText.h"
#include "photowindow/DialogControls.h"
#include "photowindow/DigitsEdit.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace kolvira {

using namespace kolvira;

namespace {

constexpr int kIdImpressionBrush = 1021;
constexpr int kIdBrushSize = 1022;
constexpr int kIdReplaceDepth = 1020;
constexpr int kIdOldColor = 1018;
constexpr int kIdNewColor = 1019;
constexpr int kIdOldSwatch = 1016;
constexpr int kIdNewSwatch = 1017;
constexpr int kSliderAtOpening = 50;
// The texts beside the sliders, which the sliders' grooves line up with.
constexpr DialogRect kRedText{19, 126, 38, 8};
constexpr DialogRect kGreenText{19, 142, 38, 8};
constexpr DialogRect kBlueText{19, 158, 38, 8};
constexpr DialogRect kBrightnessText{19, 237, 38, 8};

struct EffectSwitch {
    int id;
    const char* text;
    DialogRect rect;
    bool RenderSettings::*flag;
};

// In tab order; the brush size box follows "Impression   brush:".
constexpr std::array<EffectSwitch, 8> kEffectSwitches{{
    {1009, "Inversed colors", {28, 26, 77, 10}, &RenderSettings::invertColors},
    {1010, "Shifted colors", {28, 46, 77, 10}, &RenderSettings::shiftColors},
    {1011, "Sandy sky", {28, 66, 77, 10}, &RenderSettings::sandySky},
    {1012, "Blur", {28, 86, 77, 10}, &RenderSettings::blur},
    {kIdImpressionBrush,
     "Impression   brush:",
     {152, 26, 72, 10},
     &RenderSettings::impressionBrush},
    {1023, "Stamp", {152, 46, 72, 10}, &RenderSettings::stamp},
    {1024, "Black-white photo", {152, 66, 72, 10}, &RenderSettings::blackWhitePhoto},
    {1025, "Black-white dream", {152, 86, 72, 10}, &RenderSettings::blackWhiteDream},
}};

DigitsEdit* MakeNumberEdit(DialogLayout& layout, QWidget* dialog, int id, DialogRect rect) {
    auto* edit = layout.Place(new DigitsEdit(dialog), id, rect);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

std::int32_t NumberIn(const DigitsEdit& edit) {
    return DecimalPrefix(edit.text().toStdString());
}

} // namespace

PhotoEditorDialog::PhotoEditorDialog(QWidget* parent) : Dialog(parent) {
    DialogLayout layout(*this, QStringLiteral("Photo Editor"), 274, 286);

    layout.OkButton({217, 265, 50, 14});
    for (std::size_t i = 0; i < kEffectSwitches.size(); ++i) {
        const EffectSwitch& effect = kEffectSwitches[i];
        effectSwitches_[i] =
            layout.CheckBox(effect.id, QString::fromLatin1(effect.text), effect.rect);
        if (effect.id == kIdImpressionBrush) {
            brushSize_ = MakeNumberEdit(layout, this, kIdBrushSize, {229, 22, 24, 14});
        }
    }
    redLevel_ = layout.Slider(1013, {67, 121, 185, 13}, kRedText);
    greenLevel_ = layout.Slider(1014, {67, 137, 185, 13}, kGreenText);
    blueLevel_ = layout.Slider(1015, {67, 153, 185, 13}, kBlueText);
    auto* chooseOld = layout.PushButton(kIdOldColor, QStringLiteral("old"), {82, 190, 23, 12});
    connect(chooseOld, &QAbstractButton::clicked, this, [this] { ChooseColor(oldColor); });
    auto* chooseNew = layout.PushButton(kIdNewColor, QStringLiteral("new"), {167, 190, 23, 12});
    connect(chooseNew, &QAbstractButton::clicked, this, [this] { ChooseColor(newColor); });
    replaceDepth_ = MakeNumberEdit(layout, this, kIdReplaceDepth, {229, 188, 24, 14});
    brightness_ = layout.Slider(1008, {67, 226, 185, 19}, kBrightnessText);
    auto* apply = layout.PushButton(kIdApply, QStringLiteral("Apply"), {7, 265, 50, 14});
    connect(apply, &QAbstractButton::clicked, this, &PhotoEditorDialog::OnApply);
    layout.CancelButton({160, 265, 50, 14});

    layout.GroupBox(QString(), {7, 7, 260, 252});
    layout.Label(QStringLiteral("more"), Qt::AlignRight, {206, 108, 46, 8});
    layout.Label(QStringLiteral("less"), Qt::AlignLeft, {67, 108, 46, 8});
    layout.Label(QStringLiteral("Brightness:"), Qt::AlignRight, kBrightnessText);
    layout.Label(QStringLiteral("Red:"), Qt::AlignRight, kRedText);
    layout.Label(QStringLiteral("Green:"), Qt::AlignRight, kGreenText);
    layout.Label(QStringLiteral("Blue:"), Qt::AlignRight, kBlueText);
    // The replacement row: "Replace:" [old] old "with" [new] new "depth:" [depth].
    layout.Label(QStringLiteral("Replace:"), Qt::AlignRight, {17, 194, 32, 8});
    layout.Place(new ColorSwatch([this] { return oldColor; }, this), kIdOldSwatch,
                 {53, 190, 23, 12});
    layout.Place(new ColorSwatch([this] { return newColor; }, this), kIdNewSwatch,
                 {138, 190, 23, 12});
    layout.Label(QStringLiteral("with"), Qt::AlignHCenter, {112, 194, 20, 8});
    layout.Label(QStringLiteral("depth:"), Qt::AlignRight, {198, 194, 25, 8});
}

// The switches and sliders open at fixed positions; the colours and the two
// numbers show what the record holds.
void PhotoEditorDialog::OnInitDialog() {
    settings_ = currentSettings;
    for (QSlider* slider : {brightness_, redLevel_, greenLevel_, blueLevel_}) {
        ResetSlider(*slider, kSliderAtOpening);
    }
    if (settings_ != nullptr) {
        oldColor = settings_->oldColor;
        newColor = settings_->newColor;
        replaceDepth_->setText(QString::number(settings_->replaceDepth));
        brushSize_->setText(QString::number(settings_->brushSize));
    }
    for (std::size_t i = 0; i < kEffectSwitches.size(); ++i) {
        effectSwitches_[i]->setChecked(kEffectSwitches[i].id == kIdImpressionBrush);
    }
}

void PhotoEditorDialog::OnApply() {
    if (settings_ == nullptr) {
        return;
    }
    settings_->brightness = SliderSetting(*brightness_);
    settings_->redLevel = SliderSetting(*redLevel_);
    settings_->greenLevel = SliderSetting(*greenLevel_);
    settings_->blueLevel = SliderSetting(*blueLevel_);
    settings_->active = true;
    settings_->style = kStylePhotoEffects;
    for (std::size_t i = 0; i < kEffectSwitches.size(); ++i) {
        settings_->*kEffectSwitches[i].flag = effectSwitches_[i]->isChecked();
    }
    settings_->oldColor = oldColor;
    settings_->newColor = newColor;
    settings_->replaceDepth = NumberIn(*replaceDepth_); // unbounded: 0 or less replaces nothing
    settings_->brushSize = std::max(NumberIn(*brushSize_), std::int32_t{1});
    RepaintOwnerView(*settings_);
}

// The system's colour dialog, opened on black with no parent; only OK
// changes the colour, and the swatches show it at once.
void PhotoEditorDialog::ChooseColor(COLORREF& color) {
    QColorDialog dialog(QColor(Qt::black));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QColor chosen = dialog.selectedColor();
    color = MakeColorref(static_cast<unsigned>(chosen.red()), static_cast<unsigned>(chosen.green()),
                         static_cast<unsigned>(chosen.blue()));
    repaint();
}

} // namespace kolvira
