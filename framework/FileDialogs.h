// Running a file dialog as the desktop's own (the portal's on GNOME and KDE,
// with the folders and bookmarks the user knows) when the platform offers
// one, and as Qt's otherwise.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;

namespace kolvira {

// Shows `dialog` modally and returns exec()'s result. When Qt's own dialog
// is the one shown, `prepareOwn` first sets it up (exact filter labels, the
// matching Qt's dialog needs); a platform dialog keeps the filters it was
// given.
int RunFileDialog(QFileDialog& dialog, const std::function<void(QFileDialog&)>& prepareOwn = {});

// A glob that matches its extension in any letter case, for platform dialogs
// whose patterns are case-sensitive: "*.jpg" becomes "*.[jJ][pP][gG]".
QString AnyCasePattern(const QString& pattern);

// "Label (p1 p2 ...)" with every pattern in any case.
QString AnyCaseFilter(const QString& label, const QStringList& patterns);

} // namespace kolvira
