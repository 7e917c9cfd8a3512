#pragma once

#include "mainform/tabpage.h"
#include "notes/notelistmodel.h"

#include <functional>
#include <memory>

namespace Ui {
class TMemoTab;
}
class TContextMenu;
class TTextImporter;

/// The notes tab: the list of every note on the player, the editor, deletion and text import.
class TMemoTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TMemoTab(TTabContext context, QWidget *parent = nullptr);
    ~TMemoTab() override;

    /// Reads the notes the first time the page is shown after a recognition.
    void Entering() override;
    bool AcceptsDrops() const override { return true; }
    /// A dropped text file is imported as a note.
    void DropFile(const QString &path) override;

    /// "編集": the note of the selected row (a new note when none is selected).
    void EditNote();
    /// "新規作成": an empty note.
    void NewNote();
    /// "削除": the selected notes, after asking; false when nothing was selected or the user said No.
    bool DeleteNotes();
    /// "取り込み": text files chosen in the open dialog.
    void ImportTextFiles();
    /// Edits the note at the path, or a new note for an empty path.
    void OpenMemoEditor(const QString &path);
    /// Edits the note an item of the list shows; a new note for no item.
    void EditItem(int item);

    TNoteListModel &Model() { return FModel; }
    TContextMenu *PopupMenu() const { return FPopupMenu; }
    QString NotesDir() const;

private:
    /// Runs an import with the division window and the progress window.
    void RunImport(const std::function<void(TTextImporter &)> &command);

    std::unique_ptr<Ui::TMemoTab> FUi;
    TNoteListModel FModel;
    TContextMenu *FPopupMenu = nullptr;
};
