#include "photowindow/CurrentSettings.h"

namespace kolvira {

kolvira::RenderSettings* currentSettings = nullptr;

} // namespace kolvira
