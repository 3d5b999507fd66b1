// Screen readers meet a text browser's links as links: the browser's
// accessible object keeps its text readable and has one child of the role
// Link per link in the page, named by its text, that follows the link when
// pressed, as a click does.
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

namespace kolvira {

// An accessibility factory (QAccessible::installFactory) for QTextBrowser.
QAccessibleInterface* AccessibleLinkedText(const QString& className, QObject* object);

} // namespace kolvira
