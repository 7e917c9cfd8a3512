#include "notes/memotab.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "notes/memodivideform.h"
#include "notes/memoform.h"
#include "notes/textimport.h"
#include "ui_memotab.h"

#include <QAction>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

TMemoTab::TMemoTab(TMainForm &form, QWidget *parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TMemoTab>()), FForm(form)
{
    FUi->setupUi(this);
    FUi->MemoListView->SetReportModel(&FModel);
    FUi->MemoListView->SetColumnWidths({150, 70, 120, 200});
    FUi->SButton_MemoNew->setProperty("tag", int(mcNew));
    FUi->SButton_MemoImport->setProperty("tag", 0);
    connect(FUi->SButton_MemoNew, &QPushButton::clicked, this, [this] { Command(mcNew); });
    connect(FUi->SButton_MemoImport, &QPushButton::clicked, this,
            [this] { RunGuarded(FForm.Dialogs(), [this] { Button_MemoInputClick(0); }); });
    // A double click or Enter names its row: that note opens.
    connect(FUi->MemoListView, &TReportListView::ItemActivated, this,
            [this](int item) { RunGuarded(FForm.Dialogs(), [this, item] { EditItem(item); }); });
    MakePopupMenu();
}

TMemoTab::~TMemoTab() = default;

void TMemoTab::MakePopupMenu()
{
    FPopupMenu = new QMenu(this);
    FPopupMenu->setObjectName(u"PopupMenu_MemoList"_s);
    const auto add = [this](const QString &name, const QString &text, const QKeySequence &key,
                            const std::function<void()> &command) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(key);
        // The keys work while the list has the focus, not only while the menu is open.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, command);
        FPopupMenu->addAction(action);
        FUi->MemoListView->addAction(action);
        return action;
    };
    add(u"Menu_MemoEdit"_s, u"編集(&E)..."_s, QKeySequence(Qt::Key_Return), [this] { Command(mcEdit); })
        ->setProperty("tag", int(mcEdit));
    add(u"Menu_MemoNew"_s, u"新規メモを作成(&N)"_s, QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        Command(mcNew);
    })->setProperty("tag", int(mcNew));
    add(u"Menu_MemoDelete"_s, u"削除(&D)"_s, QKeySequence(Qt::Key_Delete), [this] { Command(mcDelete); })
        ->setProperty("tag", int(mcDelete));
    FPopupMenu->addSeparator();
    add(u"Menu_MemoImport"_s, u"テキストファイルを取り込む(&I)..."_s, QKeySequence(Qt::Key_F9), [this] {
        RunGuarded(FForm.Dialogs(), [this] { Button_MemoInputClick(0); });
    })->setProperty("tag", 0);
    connect(FUi->MemoListView, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        FPopupMenu->popup(FUi->MemoListView->viewport()->mapToGlobal(pos));
    });
}

void TMemoTab::Command(int tag)
{
    RunGuarded(FForm.Dialogs(), [this, tag] { Button_MemoEditClick(tag); });
}

QString TMemoTab::NotesDir() const
{
    return FForm.Device().FChecker.FNotesDir;
}

void TMemoTab::LoadTabData(TTabCode tabCode)
{
    if (tabCode == TTabCode::Notes)
        LoadNoteList();
}

void TMemoTab::Entering()
{
    FUi->MemoListView->setFocus();
}

void TMemoTab::LoadNoteList()
{
    TNoteCommands commands(NotesDir(), FForm.Dialogs(), &FForm, &FForm.Messages());
    FModel.Fill(commands.LoadNoteList());
}

void TMemoTab::Button_MemoEditClick(int tag)
{
    switch (tag) {
    case mcEdit: {
        const int item = FUi->MemoListView->CurrentItem();
        const QList<int> selected = FUi->MemoListView->SelectedItems();
        EditItem(selected.contains(item) ? item : selected.value(0, -1));
        break;
    }
    case mcNew:
        OpenMemoEditor(QString());
        break;
    case mcDelete:
        DeleteSelectedNotes();
        break;
    default:
        break;
    }
}

void TMemoTab::EditItem(int item)
{
    if (item < 0 || item >= FModel.NoteRows().size()) {
        OpenMemoEditor(QString());
        return;
    }
    TNoteCommands commands(NotesDir(), FForm.Dialogs(), &FForm, &FForm.Messages());
    OpenMemoEditor(commands.FullPath(FModel.NoteRows().at(item)));
}

void TMemoTab::OpenMemoEditor(const QString &path)
{
    TMemoForm form(FForm.Settings(), FForm.Dialogs(), NotesDir(), this);
    form.SetRoot(FForm.Device().FChecker.FRoot);
    form.Open(path);
    form.exec();
    if (form.Editor().FSaved)
        FForm.LoadTabData(TTabCode::Notes);
}

bool TMemoTab::DeleteSelectedNotes()
{
    TNoteCommands commands(NotesDir(), FForm.Dialogs(), &FForm, &FForm.Messages());
    return commands.DeleteSelectedNotes(FModel.RowsOfItems(FUi->MemoListView->SelectedItems()));
}

void TMemoTab::RunImport(const std::function<void(TTextImporter &)> &command)
{
    TBusyScope busy;
    TMemoDivideForm divideForm(this);
    TTextImporter importer(FForm.Settings(), FForm.Dialogs(), &FForm);
    importer.SetDevice(FForm.Device().FChecker);
    importer.FProgressRunner = &FForm.Progress();
    importer.FDivideDialog = &divideForm;
    command(importer);
}

void TMemoTab::Button_MemoInputClick(int tag)
{
    RunImport([tag](TTextImporter &importer) { importer.ImportFromDialog(TImportKind(tag)); });
}

bool TMemoTab::DropFile(const QString &path)
{
    RunImport([&path](TTextImporter &importer) { importer.ImportFile(path, ikNote); });
    return true;
}
