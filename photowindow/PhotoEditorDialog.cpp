#include "photowindow/PhotoEditorDialog.h"

#include "photowindow/ColorSwatch.h"
#include "photowindow/DecimalText.h"
#include "photowindow/DialogControls.h"
#include "photowindow/DigitsEdit.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace kolvira {

namespace {

constexpr int kSliderAtOpening = 50;
// The texts beside the sliders, which the sliders' grooves line up with.
constexpr DialogRect kRedText{19, 126, 38, 8};
constexpr DialogRect kGreenText{19, 142, 38, 8};
constexpr DialogRect kBlueText{19, 158, 38, 8};
constexpr DialogRect kBrightnessText{19, 237, 38, 8};

struct EffectSwitch {
    const char* name;
    const char* text;
    DialogRect rect;
    bool RenderSettings::*flag;
};

// In tab order; the brush size box follows "Impression   brush:".
constexpr std::array<EffectSwitch, 8> kEffectSwitches{{
    {"invertColors",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Inversed colors"),
     {28, 26, 77, 10},
     &RenderSettings::invertColors},
    {"shiftColors",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Shifted colors"),
     {28, 46, 77, 10},
     &RenderSettings::shiftColors},
    {"sandySky",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Sandy sky"),
     {28, 66, 77, 10},
     &RenderSettings::sandySky},
    {"blur",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Blur"),
     {28, 86, 77, 10},
     &RenderSettings::blur},
    {"impressionBrush",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Impression   brush:"),
     {152, 26, 72, 10},
     &RenderSettings::impressionBrush},
    {"stamp",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Stamp"),
     {152, 46, 72, 10},
     &RenderSettings::stamp},
    {"blackWhitePhoto",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Black-white photo"),
     {152, 66, 72, 10},
     &RenderSettings::blackWhitePhoto},
    {"blackWhiteDream",
     QT_TRANSLATE_NOOP("kolvira::PhotoEditorDialog", "Black-white dream"),
     {152, 86, 72, 10},
     &RenderSettings::blackWhiteDream},
}};

DigitsEdit* MakeNumberEdit(DialogLayout& layout, QWidget* dialog, const char* name,
                           DialogRect rect) {
    auto* edit = layout.Place(new DigitsEdit(dialog), name, rect);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

std::int32_t NumberIn(const DigitsEdit& edit) {
    return DecimalPrefix(edit.text().toStdString());
}

} // namespace

PhotoEditorDialog::PhotoEditorDialog(RenderSettings& settings, std::function<void()> applied,
                                     QWidget* parent)
    : Dialog(parent), settings_(settings), applied_(std::move(applied)) {
    DialogLayout layout(*this, tr("Photo Editor"), 274, 286);

    layout.OkButton({217, 265, 50, 14});
    for (std::size_t i = 0; i < kEffectSwitches.size(); ++i) {
        const EffectSwitch& effect = kEffectSwitches[i];
        effectSwitches_[i] = layout.CheckBox(effect.name, tr(effect.text), effect.rect);
        if (effect.flag == &RenderSettings::impressionBrush) {
            brushSize_ = MakeNumberEdit(layout, this, "brushSize", {229, 22, 24, 14});
            brushSize_->setAccessibleName(tr("Brush size"));
        }
    }
    redLevel_ = layout.Slider("redLevel", {67, 121, 185, 13}, kRedText);
    greenLevel_ = layout.Slider("greenLevel", {67, 137, 185, 13}, kGreenText);
    blueLevel_ = layout.Slider("blueLevel", {67, 153, 185, 13}, kBlueText);
    // Each swatch comes before the button that chooses its colour.
    auto* oldSwatch = layout.Place(new ColorSwatch([this] { return oldColor; }, this), "oldSwatch",
                                   {53, 190, 23, 12});
    oldSwatch->setAccessibleName(tr("Colour to replace"));
    auto* chooseOld = layout.PushButton("chooseOldColor", tr("old"), {82, 190, 23, 12});
    connect(chooseOld, &QAbstractButton::clicked, this, [this] { ChooseColor(oldColor); });
    auto* newSwatch = layout.Place(new ColorSwatch([this] { return newColor; }, this), "newSwatch",
                                   {138, 190, 23, 12});
    newSwatch->setAccessibleName(tr("Replacement colour"));
    auto* chooseNew = layout.PushButton("chooseNewColor", tr("new"), {167, 190, 23, 12});
    connect(chooseNew, &QAbstractButton::clicked, this, [this] { ChooseColor(newColor); });
    replaceDepth_ = MakeNumberEdit(layout, this, "replaceDepth", {229, 188, 24, 14});
    brightness_ = layout.Slider("brightness", {67, 226, 185, 19}, kBrightnessText);
    auto* apply = layout.PushButton("apply", tr("Apply"), {7, 265, 50, 14});
    connect(apply, &QAbstractButton::clicked, this, &PhotoEditorDialog::OnApply);
    layout.CancelButton({160, 265, 50, 14});

    layout.GroupBox(QString(), {7, 7, 260, 252});
    layout.Label(tr("more"), Qt::AlignRight, {206, 108, 46, 8});
    layout.Label(tr("less"), Qt::AlignLeft, {67, 108, 46, 8});
    layout.Label(tr("Brightness:"), Qt::AlignRight, kBrightnessText)->setBuddy(brightness_);
    layout.Label(tr("Red:"), Qt::AlignRight, kRedText)->setBuddy(redLevel_);
    layout.Label(tr("Green:"), Qt::AlignRight, kGreenText)->setBuddy(greenLevel_);
    layout.Label(tr("Blue:"), Qt::AlignRight, kBlueText)->setBuddy(blueLevel_);
    // The replacement row: "Replace:" [old] old "with" [new] new "depth:" [depth].
    layout.Label(tr("Replace:"), Qt::AlignRight, {17, 194, 32, 8});
    layout.Label(tr("with"), Qt::AlignHCenter, {112, 194, 20, 8});
    layout.Label(tr("depth:"), Qt::AlignRight, {198, 194, 25, 8})->setBuddy(replaceDepth_);
}

// The switches and sliders open at fixed positions; the colours and the two
// numbers show what the record holds.
void PhotoEditorDialog::OnInitDialog() {
    for (QSlider* slider : {brightness_, redLevel_, greenLevel_, blueLevel_}) {
        ResetSlider(*slider, kSliderAtOpening);
    }
    oldColor = settings_.oldColor;
    newColor = settings_.newColor;
    replaceDepth_->setText(QString::number(settings_.replaceDepth));
    brushSize_->setText(QString::number(settings_.brushSize));
    for (std::size_t i = 0; i < kEffectSwitches.size(); ++i) {
        effectSwitches_[i]->setChecked(kEffectSwitches[i].flag == &RenderSettings::impressionBrush);
    }
}

void PhotoEditorDialog::OnApply() {
    settings_.brightness = SliderSetting(*brightness_);
    settings_.redLevel = SliderSetting(*redLevel_);
    settings_.greenLevel = SliderSetting(*greenLevel_);
    settings_.blueLevel = SliderSetting(*blueLevel_);
    settings_.active = true;
    settings_.style = kStylePhotoEffects;
    for (std::size_t i = 0; i < kEffectSwitches.size(); ++i) {
        settings_.*kEffectSwitches[i].flag = effectSwitches_[i]->isChecked();
    }
    settings_.oldColor = oldColor;
    settings_.newColor = newColor;
    settings_.replaceDepth = NumberIn(*replaceDepth_); // unbounded: 0 or less replaces nothing
    settings_.brushSize = std::max(NumberIn(*brushSize_), std::int32_t{1});
    if (applied_)
        applied_();
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
