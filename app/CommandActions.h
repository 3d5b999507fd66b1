// One QAction per command id, shared by the menus, the toolbar and the
// accelerators. The action carries its id as data, the status-bar prompt
// as status tip and the tooltip; triggering it sends the id on.
#pragma once

#include <QObject>

#include <map>

class QAction;
class QWidget;

namespace kolvira {

class CommandActions : public QObject {
    Q_OBJECT

public:
    // The actions live in `owner`, which receives their shortcuts.
    explicit CommandActions(QWidget* owner);

    // The action of `commandId`, made on first use.
    QAction* Action(int commandId);
    const std::map<int, QAction*>& All() const { return actions_; }

signals:
    void commandTriggered(int commandId);

private:
    QWidget* owner_;
    std::map<int, QAction*> actions_;
};

// Gives a command's action its menu text "Name\tKey": the name alone is the
// action's text, which screen readers and toolbar buttons read; the key
// shows through the action's shortcut.
void SetMenuText(QAction& action, const QString& menuText);

} // namespace kolvira
