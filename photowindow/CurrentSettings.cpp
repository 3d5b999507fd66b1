#include "photowindow/CurrentSettings.h"

kolvira::RenderSettings* currentSettings = nullptr;
