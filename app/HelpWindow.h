// The help window: the bundled help page in a browser window, one per program.
#pragma once

class QTextBrowser;
class QWidget;

// Shows the help window, made on first use, and returns it.
QTextBrowser* ShowHelpTopics(QWidget* mainWindow);
