#pragma once

#include <QKeySequence>
#include <QList>
#include <QMenu>

#include <functional>

class IUserDialogs;
class QAbstractItemView;

/// The right-click menu of a list, built the same way on every page: each command is also reached by
/// its keys while the list (or another widget the command names) has the focus, and an error it
/// raises is shown in an error box.
class TContextMenu : public QMenu
{
    Q_OBJECT
public:
    TContextMenu(const QString &name, QAbstractItemView *view, IUserDialogs &dialogs);

    /// Adds a command; its keys work while `scope` (the list by default) or a widget inside it has
    /// the focus. The action's tool tip and status tip are `hint`.
    QAction *Add(const QString &name, const QString &text, const QList<QKeySequence> &keys,
                 const std::function<void()> &command, QWidget *scope = nullptr, const QString &hint = {});
    /// Adds an action made elsewhere (a form's own), with the same key handling.
    QAction *Add(QAction *action, const QList<QKeySequence> &keys = {}, QWidget *scope = nullptr);

private:
    QAbstractItemView *FView;
    IUserDialogs &FDialogs;
};

/// The keys of "Enter" in the menus: the main Return key and the keypad's Enter.
QList<QKeySequence> EnterKeys();
