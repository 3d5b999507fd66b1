#include "PhotoTemplate.h"

#include "DocTemplate.h"
#include "KolviraApp.h"

std::string pendingPhotoPath;

void OpenPhotoWindow(const std::string& path) {
    pendingPhotoPath = path;
    if (theApp != nullptr && theApp->photoTemplate != nullptr)
        theApp->photoTemplate->OpenDocumentFile({}, true);
}
