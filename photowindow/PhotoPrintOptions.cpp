#include "photowindow/PhotoPrintOptions.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QWidget>

namespace kolvira {
namespace {

QString SizeText(QSize size) {
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

// Two radio buttons for one yes-or-no option, the second meaning yes.
void AddChoiceRow(QFormLayout* form, const QString& label, const QString& no, const QString& yes,
                  const QString& yesName, bool& option, const std::function<bool()>& changed) {
    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(form->parentWidget());
    auto* noButton = new QRadioButton(no);
    auto* yesButton = new QRadioButton(yes);
    yesButton->setObjectName(yesName);
    (option ? yesButton : noButton)->setChecked(true);
    group->addButton(noButton, 0);
    group->addButton(yesButton, 1);
    row->addWidget(noButton);
    row->addWidget(yesButton);
    row->addStretch();
    form->addRow(label, row);
    QObject::connect(group, &QButtonGroup::idToggled, group,
                     [group, &option, changed](int id, bool checked) {
                         if (!checked || option == (id == 1))
                             return;
                         option = id == 1;
                         if (changed())
                             return;
                         option = !option;
                         const QSignalBlocker quiet(group);
                         group->button(option ? 1 : 0)->setChecked(true);
                     });
}

} // namespace

QWidget* MakePhotoPrintOptions(PhotoPrintChoice& choice, QSize shown, QSize full,
                               std::function<bool()> changed) {
    auto* options = new QWidget;
    options->setWindowTitle(QCoreApplication::translate("PhotoView", "Picture"));
    auto* form = new QFormLayout(options);
    AddChoiceRow(
        form, QCoreApplication::translate("PhotoView", "Size:"),
        QCoreApplication::translate("PhotoView", "As shown (%1)").arg(SizeText(shown)),
        QCoreApplication::translate("PhotoView", "Full resolution (%1)").arg(SizeText(full)),
        QStringLiteral("printFullResolution"), choice.fullResolution, changed);
    AddChoiceRow(form, QCoreApplication::translate("PhotoView", "Place:"),
                 QCoreApplication::translate("PhotoView",
                                             "At its size on the screen, from the top-left corner"),
                 QCoreApplication::translate("PhotoView", "Fit to page, centred"),
                 QStringLiteral("printFitToPage"), choice.fitToPage, changed);
    return options;
}

QRectF FittedRect(QSizeF picture, const QRectF& area) {
    if (picture.isEmpty())
        return {};
    QRectF fitted(QPointF(0, 0), picture.scaled(area.size(), Qt::KeepAspectRatio));
    fitted.moveCenter(area.center());
    return fitted;
}

} // namespace kolvira
