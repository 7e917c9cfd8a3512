#pragma once

#include "notes/notelist.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TMemoForm;
}
class QLabel;
class QMenu;
class IUserDialogs;
class TKiruIPodINI;

/// The note editor: a plain-text window with its file commands, undo and redo, and a byte counter.
class TMemoForm : public QDialog
{
    Q_OBJECT
public:
    TMemoForm(TKiruIPodINI &settings, IUserDialogs &dialogs, const QString &notesDir,
              QWidget *parent = nullptr);
    ~TMemoForm() override;

    /// The player root: a missing notes folder is created below it when a new note is saved.
    void SetRoot(const QString &root) { FEditor.FRoot = root; }
    /// Loads an existing note, or starts a new one for any other path.
    void Open(const QString &path);
    const TMemoEditor &Editor() const { return FEditor; }
    QString StatusText(int panel) const;

    void NewNote();
    void SaveNote();
    void SaveNoteAs();
    void MemoEditChange();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void RefreshCaption();
    void Save(bool saveAs);
    void SetEditText(const QString &text);
    /// The saved place when some screen shows it, otherwise centred on the screen.
    void PlaceWindow();

    std::unique_ptr<Ui::TMemoForm> FUi;
    TKiruIPodINI &FSettings;
    IUserDialogs &FDialogs;
    TMemoEditor FEditor;
    QLabel *FStatus0 = nullptr;
    QLabel *FStatus1 = nullptr;
    QMenu *FEditPopup = nullptr;
    bool FLoading = false; // the text is being set by the program, not typed
    bool FPlaced = false;
};
