#include "notes/memotab.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "notes/memodivideform.h"
#include "notes/memoform.h"
#include "notes/textimport.h"
#include "session/playersession.h"
#include "ui_memotab.h"
#include "widgets/contextmenu.h"

using namespace Qt::Literals::StringLiterals;

TMemoTab::TMemoTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TMemoTab>())
{
    FUi->setupUi(this);
    FUi->MemoListView->SetReportModel(&FModel);
    FUi->MemoListView->SetColumnWidths({150, 70, 120, 200});
    connect(FUi->SButton_MemoNew, &QPushButton::clicked, this, [this] { Guarded([this] { NewNote(); }); });
    connect(FUi->SButton_MemoImport, &QPushButton::clicked, this,
            [this] { Guarded([this] { ImportTextFiles(); }); });
    // A double click or Enter names its row: that note opens.
    connect(FUi->MemoListView, &TReportListView::ItemActivated, this,
            [this](int item) { Guarded([this, item] { EditItem(item); }); });

    FPopupMenu = new TContextMenu(u"PopupMenu_MemoList"_s, FUi->MemoListView, Dialogs());
    FPopupMenu->Add(u"Menu_MemoEdit"_s, tr("編集(&E)..."), {QKeySequence(Qt::Key_Return)},
                    [this] { EditNote(); });
    FPopupMenu->Add(u"Menu_MemoNew"_s, tr("新規メモを作成(&N)"), {QKeySequence(Qt::CTRL | Qt::Key_N)},
                    [this] { NewNote(); });
    FPopupMenu->Add(u"Menu_MemoDelete"_s, tr("削除(&D)"), {QKeySequence(Qt::Key_Delete)},
                    [this] { DeleteNotes(); });
    FPopupMenu->addSeparator();
    FPopupMenu->Add(u"Menu_MemoImport"_s, tr("テキストファイルを取り込む(&I)..."), {QKeySequence(Qt::Key_F9)},
                    [this] { ImportTextFiles(); });

    connect(&Session(), &TPlayerSession::notesChanged, this, [this] { FModel.Fill(Session().Notes()); });
    connect(&Session(), &TPlayerSession::playerLost, this, [this] { FModel.Clear(); });
}

TMemoTab::~TMemoTab() = default;

QString TMemoTab::NotesDir() const
{
    return Session().Player().FNotesDir;
}

void TMemoTab::Entering()
{
    FUi->MemoListView->setFocus();
    if (!Session().NotesLoaded())
        Session().LoadNotes();
}

void TMemoTab::EditNote()
{
    const int item = FUi->MemoListView->CurrentItem();
    const QList<int> selected = FUi->MemoListView->SelectedItems();
    EditItem(selected.contains(item) ? item : selected.value(0, -1));
}

void TMemoTab::NewNote()
{
    OpenMemoEditor(QString());
}

void TMemoTab::EditItem(int item)
{
    if (item < 0 || item >= FModel.NoteRows().size()) {
        OpenMemoEditor(QString());
        return;
    }
    TNoteCommands commands(NotesDir(), Dialogs(), &Session().CommandServices(), &Session().Messages());
    OpenMemoEditor(commands.FullPath(FModel.NoteRows().at(item)));
}

void TMemoTab::OpenMemoEditor(const QString &path)
{
    TMemoForm form(Settings(), Dialogs(), NotesDir(), Window());
    form.SetRoot(Session().Player().FRoot);
    form.Open(path);
    form.exec();
    if (form.Editor().FSaved)
        Session().LoadNotes();
}

bool TMemoTab::DeleteNotes()
{
    TNoteCommands commands(NotesDir(), Dialogs(), &Session().CommandServices(), &Session().Messages());
    return commands.DeleteSelectedNotes(FModel.RowsOfItems(FUi->MemoListView->SelectedItems()));
}

void TMemoTab::RunImport(const std::function<void(TTextImporter &)> &command)
{
    TMemoDivideForm divideForm(Window());
    TTextImporter importer(Settings(), Dialogs(), &Session().CommandServices());
    importer.SetDevice(Session().Player());
    importer.FProgressRunner = &Progress();
    importer.FDivideDialog = &divideForm;
    command(importer);
}

void TMemoTab::ImportTextFiles()
{
    RunImport([](TTextImporter &importer) { importer.ImportFromDialog(ikNote); });
}

void TMemoTab::DropFile(const QString &path)
{
    RunImport([&path](TTextImporter &importer) { importer.ImportFile(path, ikNote); });
}
