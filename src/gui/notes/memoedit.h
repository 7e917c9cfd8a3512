#pragma once

#include <QPlainTextEdit>

/// The note editor's text field: typing and pasting stop at the length limit, while a longer note that is
/// loaded stays whole.
class TMemoEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    void SetMaxLength(int length) { FMaxLength = length; }
    int MaxLength() const { return FMaxLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    /// Characters that may still be added in place of the selection.
    qsizetype Room() const;
    int FMaxLength = 4096;
};
