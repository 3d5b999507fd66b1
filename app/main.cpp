// Kolvira: turns photographs into drawings, applies photo effects and shows
// a folder's photos as a sheet of thumbnails.
#include "app/KolviraApp.h"
#include "imageio/PhotoDecoding.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kolvira"));
    QApplication::setApplicationName(QStringLiteral("Kolvira"));
    // Photos up to 200 megapixels open, whatever the environment says.
    kolvira::ApplyDecodeLimits();

    // No command line is processed: the program starts with an empty window.
    CKolviraApp app;
    if (!app.InitInstance())
        return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
