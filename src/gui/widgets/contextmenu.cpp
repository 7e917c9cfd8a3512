#include "widgets/contextmenu.h"

#include "dialogs/guarded.h"

#include <QAbstractItemView>

TContextMenu::TContextMenu(const QString &name, QAbstractItemView *view, IUserDialogs &dialogs)
    : QMenu(view), FView(view), FDialogs(dialogs)
{
    setObjectName(name);
    setToolTipsVisible(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup(FView->viewport()->mapToGlobal(pos)); });
}

QAction *TContextMenu::Add(const QString &name, const QString &text, const QList<QKeySequence> &keys,
                           const std::function<void()> &command, QWidget *scope, const QString &hint)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    connect(action, &QAction::triggered, this, [this, command] { RunGuarded(FDialogs, command); });
    return Add(action, keys, scope);
}

QAction *TContextMenu::Add(QAction *action, const QList<QKeySequence> &keys, QWidget *scope)
{
    if (!keys.isEmpty())
        action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    (scope ? scope : FView)->addAction(action);
    return action;
}

QList<QKeySequence> EnterKeys()
{
    return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
}
