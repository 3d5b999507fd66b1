// The help window: the bundled help page in a browser window, one per program.
#pragma once

class QWidget;

void ShowHelpTopics(QWidget* mainWindow);
