#include "framework/FileDialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace kolvira {

int RunFileDialog(QFileDialog& dialog, const std::function<void(QFileDialog&)>& prepareOwn) {
    // Only showing tells which dialog Qt picks: the platform's when its
    // theme offers one, else its own widgets, made at this point. Modal
    // before it shows, since exec() cannot make a shown window modal.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    const bool ownDialog = dialog.findChild<QFileSystemModel*>() != nullptr;
    if (ownDialog && prepareOwn)
        prepareOwn(dialog); // before the first paint: the event loop has not run
    return dialog.exec();
}

QString AnyCasePattern(const QString& pattern) {
    QString any;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            any += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            any += c;
    }
    return any;
}

QString AnyCaseFilter(const QString& label, const QStringList& patterns) {
    QStringList any;
    for (const QString& pattern : patterns)
        any << AnyCasePattern(pattern);
    return QStringLiteral("%1 (%2)").arg(label, any.join(QLatin1Char(' ')));
}

} // namespace kolvira
