#include "app/AboutDialog.h"

#include "app/CommandIcons.h"
#include "framework/DialogUnits.h"
#include "imageio/decoding/DecoderProcess.h"

#include <QLabel>
#include <QPushButton>

namespace kolvira {

AboutDialog::AboutDialog(QWidget* parent) : Dialog(parent) {
    setWindowTitle(tr("About Kolvira"));
    setFont(DialogFont());
    const DialogUnits units(font());

    auto* icon = new QLabel(this);
    const QRect iconRect = units.Rect(11, 17, 20, 20);
    icon->setPixmap(kolvira::ApplicationIcon().pixmap(iconRect.size()));
    icon->setGeometry(iconRect);

    auto* name = new QLabel(tr("Kolvira Version %1").arg(QStringLiteral(KOLVIRA_VERSION)), this);
    name->setTextFormat(Qt::PlainText);
    name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    name->setGeometry(units.Rect(40, 10, 119, 8));

    // How far a crafted picture could reach: said where users look for it.
    auto* decoding = new QLabel(DecodingConfinement(), this);
    decoding->setTextFormat(Qt::PlainText);
    decoding->setWordWrap(true);
    decoding->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    decoding->setGeometry(units.Rect(40, 22, 130, 24));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    ok->setGeometry(units.Rect(178, 7, 50, 16));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(units.X(235), units.Y(52));
}

} // namespace kolvira
