#include "photowindow/AccessibleViews.h"

#include "photowindow/ColorSwatch.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoView.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFileInfo>

namespace kolvira {

namespace {

class AccessiblePhoto : public QAccessibleWidget {
public:
    explicit AccessiblePhoto(PhotoView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        const PhotoDocument& photo = static_cast<PhotoView*>(widget())->Photo();
        const QString name = QFileInfo(QString::fromStdString(photo.PhotoPath())).fileName();
        switch (kind) {
        case QAccessible::Name:
            return name;
        case QAccessible::Description:
            if (!photo.Settings().active)
                return QCoreApplication::translate("AccessibleViews", "Photo %1").arg(name);
            return QCoreApplication::translate("AccessibleViews", "Photo %1 drawn as %2")
                .arg(name, StyleText(photo.Settings().style));
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

class AccessibleSwatch : public QAccessibleWidget {
public:
    explicit AccessibleSwatch(ColorSwatch* swatch)
        : QAccessibleWidget(swatch, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Description)
            return QAccessibleWidget::text(kind);
        const QColor color = static_cast<ColorSwatch*>(widget())->Color();
        return QCoreApplication::translate("AccessibleViews", "Red %1, green %2, blue %3")
            .arg(color.red())
            .arg(color.green())
            .arg(color.blue());
    }
};

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (className == QLatin1String(PhotoView::staticMetaObject.className()))
        return new AccessiblePhoto(static_cast<PhotoView*>(object));
    if (className == QLatin1String(ColorSwatch::staticMetaObject.className()))
        return new AccessibleSwatch(static_cast<ColorSwatch*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleViews() {
    static const bool installed = [] {
        QAccessible::installFactory(Interface);
        return true;
    }();
    (void)installed;
}

} // namespace kolvira
