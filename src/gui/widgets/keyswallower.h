#pragma once

#include <QObject>

class QWidget;

/// Keeps a key pressed in `widget` from reaching its parents, e.g. a list's own command key that must
/// not fall through to the main window's page keys while the command is disabled.
void SwallowKey(QWidget *widget, int key);

/// The event filter behind SwallowKey.
class TKeySwallower : public QObject
{
    Q_OBJECT
public:
    TKeySwallower(int key, QObject *parent) : QObject(parent), FKey(key) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int FKey;
};
