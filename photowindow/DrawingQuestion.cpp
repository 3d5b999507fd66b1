#include "photowindow/DrawingQuestion.h"

#include <QSettings>

namespace kolvira {

bool AskingToSaveDrawings() {
    return QSettings().value(QLatin1String(kAskToSaveDrawingsKey), false).toBool();
}

void SetAskingToSaveDrawings(bool ask) {
    QSettings().setValue(QLatin1String(kAskToSaveDrawingsKey), ask);
}

} // namespace kolvira
