#include "widgets/keyswallower.h"

#include <QKeyEvent>
#include <QWidget>

void SwallowKey(QWidget *widget, int key)
{
    widget->installEventFilter(new TKeySwallower(key, widget));
}

bool TKeySwallower::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == FKey)
        return true;
    return QObject::eventFilter(watched, event);
}
