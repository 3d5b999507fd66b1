#include "CurrentSettings.h"

kolvira::RenderSettings* currentSettings = nullptr;
