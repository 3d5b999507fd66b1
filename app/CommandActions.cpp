#include "app/CommandActions.h"

#include "app/CommandIcons.h"
#include "app/MenuResources.h"

#include <QAction>
#include <QWidget>

namespace kolvira {

CommandActions::CommandActions(QWidget* owner) : QObject(owner), owner_(owner) {
    // The accelerator table: every key of it belongs to a command, also to
    // those no window handles (undo, cut, copy, paste, next pane), which
    // then stay disabled and do nothing.
    std::map<int, QList<QKeySequence>> keys;
    for (const kolvira::Accelerator& accelerator : kolvira::Accelerators())
        keys[accelerator.id].append(accelerator.keys);
    for (const auto& [id, sequences] : keys) {
        QAction* action = Action(id);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        owner_->addAction(action);
    }
}

QAction* CommandActions::Action(int commandId) {
    if (const auto found = actions_.find(commandId); found != actions_.end())
        return found->second;
    auto* action = new QAction(owner_);
    action->setData(commandId);
    const kolvira::CommandPrompt prompt = kolvira::PromptOf(commandId);
    action->setStatusTip(prompt.prompt);
    action->setWhatsThis(prompt.prompt); // what context help (Shift+F1) shows
    if (!prompt.tooltip.isEmpty())
        action->setToolTip(prompt.tooltip);
    action->setIcon(kolvira::CommandIcon(commandId));
    connect(action, &QAction::triggered, this,
            [this, commandId] { emit commandTriggered(commandId); });
    actions_.emplace(commandId, action);
    return action;
}

void SetMenuText(QAction& action, const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    action.setText(text.left(tab));
    if (tab < 0 || !action.shortcut().isEmpty())
        return;
    // A key the view itself reads (held rather than pressed): shown in the
    // menu, and as a widget shortcut only live while the menu bar has the
    // keyboard, so that the view still receives it.
    action.setShortcut(QKeySequence(text.mid(tab + 1)));
    action.setShortcutContext(Qt::WidgetShortcut);
}

} // namespace kolvira
