#include "notes/memoform.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "dialogs/guarded.h"
#include "ui_memoform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

TMemoForm::TMemoForm(TKiruIPodINI &settings, IUserDialogs &dialogs, const QString &notesDir, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TMemoForm>()), FSettings(settings), FDialogs(dialogs),
      FEditor(notesDir, dialogs)
{
    FUi->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    FUi->MemoEdit->SetMaxLength(4096);
    FUi->MemoEdit->setFocus(); // the caret in the text, not on the tool buttons

    FStatus0 = new QLabel(this);
    FStatus0->setObjectName(u"StatusPanel0"_s);
    FStatus0->setFixedWidth(150);
    FStatus1 = new QLabel(this);
    FStatus1->setObjectName(u"StatusPanel1"_s);
    FStatus1->setFixedWidth(50);
    FStatus1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FUi->StatusBar->addWidget(FStatus0);
    FUi->StatusBar->addWidget(FStatus1);

    const auto guarded = [this](QAction *action, void (TMemoForm::*command)()) {
        connect(action, &QAction::triggered, this,
                [this, command] { RunGuarded(FDialogs, [&] { (this->*command)(); }); });
    };
    guarded(FUi->Menu_New, &TMemoForm::NewNote);
    guarded(FUi->Menu_Save, &TMemoForm::SaveNote);
    guarded(FUi->Menu_SaveAs, &TMemoForm::SaveNoteAs);
    connect(FUi->Menu_Close, &QAction::triggered, this, &QWidget::close);
    connect(FUi->Menu_Undo, &QAction::triggered, FUi->MemoEdit, &QPlainTextEdit::undo);
    connect(FUi->Menu_Redo, &QAction::triggered, FUi->MemoEdit, &QPlainTextEdit::redo);
    // The menu shows Ctrl+Y, as on the desktops the program comes from; Ctrl+Shift+Z redoes too.
    FUi->Menu_Redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(FUi->Menu_Cut, &QAction::triggered, FUi->MemoEdit, &QPlainTextEdit::cut);
    connect(FUi->Menu_Copy, &QAction::triggered, FUi->MemoEdit, &QPlainTextEdit::copy);
    connect(FUi->Menu_Paste, &QAction::triggered, FUi->MemoEdit, &QPlainTextEdit::paste);
    const struct
    {
        QToolButton *button;
        QAction *action;
        QStyle::StandardPixmap icon;
    } tools[] = {
        {FUi->ToolButton_New, FUi->Menu_New, QStyle::SP_FileIcon},
        {FUi->ToolButton_Save, FUi->Menu_Save, QStyle::SP_DialogSaveButton},
        {FUi->ToolButton_Close, FUi->Menu_Close, QStyle::SP_DialogCloseButton},
        {FUi->ToolButton_Undo, FUi->Menu_Undo, QStyle::SP_ArrowBack},
        {FUi->ToolButton_Redo, FUi->Menu_Redo, QStyle::SP_ArrowForward},
    };
    for (const auto &t : tools) {
        t.button->setIcon(style()->standardIcon(t.icon));
        QAction *action = t.action;
        connect(t.button, &QToolButton::clicked, action, &QAction::trigger);
    }

    FEditPopup = new QMenu(this);
    FEditPopup->setObjectName(u"PopupMenu_MemoEdit"_s);
    FEditPopup->addActions({FUi->Menu_Cut, FUi->Menu_Copy, FUi->Menu_Paste});
    FEditPopup->addSeparator();
    FEditPopup->addActions({FUi->Menu_Undo, FUi->Menu_Redo});
    connect(FUi->MemoEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { FEditPopup->popup(FUi->MemoEdit->viewport()->mapToGlobal(pos)); });

    connect(FUi->MemoEdit, &QPlainTextEdit::textChanged, this, &TMemoForm::MemoEditChange);
    {
        // The first count is the program's, not a change by the user: a new note closes without a question.
        const QScopedValueRollback<bool> loading(FLoading, true);
        MemoEditChange();
    }
    FEditor.FModified = false;
    FEditor.FSaved = false;
    RefreshCaption();
}

TMemoForm::~TMemoForm() = default;

QString TMemoForm::StatusText(int panel) const
{
    return panel == 0 ? FStatus0->text() : FStatus1->text();
}

void TMemoForm::Open(const QString &path)
{
    FEditor.Open(path);
    SetEditText(FEditor.FText);
    RefreshCaption();
}

void TMemoForm::SetEditText(const QString &text)
{
    const QScopedValueRollback<bool> loading(FLoading, true);
    FUi->MemoEdit->setPlainText(text);
    // A load starts a new history: undo never goes back to the previous note.
    FUi->MemoEdit->document()->clearUndoRedoStacks();
}

void TMemoForm::RefreshCaption()
{
    setWindowTitle(FEditor.Caption());
}

void TMemoForm::MemoEditChange()
{
    const QString text = FUi->MemoEdit->toPlainText();
    // Only the user's own changes make the note modified, not the program's loads.
    FEditor.TextChanged(text, !FLoading);
    FStatus0->setText(FEditor.Counter());
}

void TMemoForm::NewNote()
{
    if (FEditor.New())
        SetEditText(QString());
    RefreshCaption();
}

void TMemoForm::SaveNote()
{
    Save(false);
}

void TMemoForm::SaveNoteAs()
{
    Save(true);
}

void TMemoForm::Save(bool saveAs)
{
    // A save that turned characters into "?" shows the note as the player now has it.
    if (FEditor.Save(saveAs) && FEditor.FText != FUi->MemoEdit->toPlainText())
        SetEditText(FEditor.FText);
    RefreshCaption();
}

void TMemoForm::reject()
{
    // Esc and the window's close button go through the same questions as the Close command.
    close();
}

void TMemoForm::closeEvent(QCloseEvent *event)
{
    bool canClose = false;
    const bool ok = RunGuarded(FDialogs, [&] { canClose = FEditor.Close(); });
    TMemoEditor::StoreGeometry(FSettings, QRect(pos(), size()));
    // A save that failed keeps the window open, so the text is not lost.
    if (!ok || !canClose) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TMemoForm::showEvent(QShowEvent *event)
{
    if (!FPlaced) {
        FPlaced = true;
        PlaceWindow();
    }
    QDialog::showEvent(event);
}

void TMemoForm::PlaceWindow()
{
    const QRect saved = TMemoEditor::Geometry(FSettings);
    const QSize size(qMax(saved.width(), 200), qMax(saved.height(), 150));
    resize(size);
    bool onScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(QRect(saved.topLeft(), size));
    if (onScreen) {
        move(saved.topLeft());
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
}
