// The record the open Paint or Photo Editor dialog edits. The view's command
// points it at the view's own settings just before the dialog opens, and the
// dialog takes it while it initialises; it keeps pointing there afterwards
// until the next command.
#pragma once

#include "photowindow/RenderSettings.h"

namespace kolvira {

extern kolvira::RenderSettings* currentSettings;

} // namespace kolvira
