// The Paint dialog: the drawing style and the "Pen press:" and "Details:"
// sliders of a photo view's rendering. Apply writes them into the record
// `currentSettings` points at when the dialog opens and redraws the view;
// OK and Cancel write nothing. It opens at "Pen" with the sliders at 75 and
// 25 whatever the record holds.
#pragma once

#include "RenderSettings.h"

#include <QDialog>

class QButtonGroup;
class QSlider;

class CDia_Paint : public QDialog {
    Q_OBJECT

public:
    explicit CDia_Paint(QWidget* parent = nullptr);

    // 1 for OK, 2 for Cancel, Esc or the close box.
    int DoModal();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnApply();

    QButtonGroup* styles_ = nullptr; // the radio buttons, by control id
    QSlider* penPress_ = nullptr;
    QSlider* details_ = nullptr;
    kolvira::RenderSettings* settings_ = nullptr;
    bool initialised_ = false;
};
