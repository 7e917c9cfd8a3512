#pragma once

#include "mainform/tabpage.h"
#include "notes/notelistmodel.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TMemoTab;
}
class QMenu;
class TMainForm;
class TTextImporter;

/// The notes tab: the list of every note on the player, the editor, deletion and text import.
class TMemoTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    /// Commands of the list's buttons and menu, by tag.
    enum TMemoCommand : int
    {
        mcEdit = 0,
        mcNew = 1,
        mcDelete = 2,
    };

    explicit TMemoTab(TMainForm &form, QWidget *parent = nullptr);
    ~TMemoTab() override;

    // ITabPage
    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override { return FModel.rowCount() == 0; }
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override { FModel.Clear(); }
    void Entering() override;
    bool DropFile(const QString &path) override;

    /// Fills the list from the notes folder and says so in the status line.
    void LoadNoteList();
    /// Edit (0), new note (1) or delete (2).
    void Button_MemoEditClick(int tag);
    /// Imports text files chosen in the open dialog.
    void Button_MemoInputClick(int tag);
    /// Edits the note at the path, or a new note for an empty path; reloads the list after a save.
    void OpenMemoEditor(const QString &path);
    /// Edits the note an item of the list shows; a new note for no item.
    void EditItem(int item);
    /// False when nothing was selected or the user said No.
    bool DeleteSelectedNotes();

    TNoteListModel &Model() { return FModel; }
    QMenu *PopupMenu() const { return FPopupMenu; }
    QString NotesDir() const;

private:
    void MakePopupMenu();
    /// Runs an import with the division window and the progress window.
    void RunImport(const std::function<void(TTextImporter &)> &command);
    void Command(int tag);

    std::unique_ptr<Ui::TMemoTab> FUi;
    TMainForm &FForm;
    TNoteListModel FModel;
    QMenu *FPopupMenu = nullptr;
};
