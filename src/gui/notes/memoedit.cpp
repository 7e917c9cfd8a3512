#include "notes/memoedit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

qsizetype TMemoEdit::Room() const
{
    const QTextCursor cursor = textCursor();
    // The document counts one character more than the text (its closing paragraph mark).
    const qsizetype length = document()->characterCount() - 1;
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    return qMax<qsizetype>(0, FMaxLength - (length - selected));
}

void TMemoEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool adds = (!text.isEmpty() && text.at(0).isPrint()) || event->key() == Qt::Key_Return ||
                      event->key() == Qt::Key_Enter || event->key() == Qt::Key_Tab;
    if (adds && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && Room() < 1) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TMemoEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const qsizetype room = Room();
    QString text = source->text();
    if (text.size() > room) {
        text.truncate(room);
        // Never leave half of a surrogate pair.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    textCursor().insertText(text);
    ensureCursorVisible();
}

void TMemoEdit::inputMethodEvent(QInputMethodEvent *event)
{
    QString commit = event->commitString();
    const qsizetype room = Room();
    if (commit.size() > room) {
        commit.truncate(room);
        QInputMethodEvent limited(event->preeditString(), event->attributes());
        limited.setCommitString(commit, event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&limited);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}
