#include "pim/addresstab.h"

#include "notes/textimport.h"
#include "pim/addressform.h"
#include "pim/pimtab.h"
#include "session/playersession.h"
#include "ui_addresstab.h"
#include "widgets/contextmenu.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TAddressTab::TAddressTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TAddressTab>())
{
    FUi->setupUi(this);
    FUi->AddressListView->SetReportModel(&FModel);
    FUi->AddressListView->SetColumnWidths({170, 150, 230});
    FPopupMenu = new TContextMenu(u"PopupMenu_Address"_s, FUi->AddressListView, Dialogs());
    FPopupMenu->Add(FUi->Action_AddrNew);
    FPopupMenu->Add(FUi->Action_AddrEdit, EnterKeys());
    FPopupMenu->Add(FUi->Action_AddrDelete);
    FPopupMenu->addSeparator();
    FPopupMenu->Add(FUi->Action_AddrImport);

    connect(FUi->SButton_AddrNew, &QPushButton::clicked, this, [this] { Guarded([this] { NewContact(); }); });
    // The menu's "new" always starts a new card, even with a contact selected.
    connect(FUi->Action_AddrNew, &QAction::triggered, this, [this] { Guarded([this] { NewContact(); }); });
    connect(FUi->Action_AddrEdit, &QAction::triggered, this,
            [this] { Guarded([this] { EditSelectedContact(); }); });
    connect(FUi->Action_AddrDelete, &QAction::triggered, this,
            [this] { Guarded([this] { DeleteContacts(); }); });
    connect(FUi->AddressListView, &TReportListView::ItemActivated, this,
            [this] { Guarded([this] { EditSelectedContact(); }); });
    connect(FUi->SButton_AddrCopy, &QPushButton::clicked, this,
            [this] { Guarded([this] { ImportContacts(); }); });
    connect(FUi->Action_AddrImport, &QAction::triggered, this,
            [this] { Guarded([this] { ImportContacts(); }); });

    connect(&Session(), &TPlayerSession::contactsChanged, this,
            [this] { FModel.SetRows(Session().Contacts()); });
    connect(&Session(), &TPlayerSession::playerLost, this, [this] { FModel.Clear(); });
}

TAddressTab::~TAddressTab() = default;

void TAddressTab::Entering()
{
    FUi->AddressListView->setFocus();
    if (!Session().ContactsLoaded())
        Session().LoadContacts();
}

void TAddressTab::DropFile(const QString &path)
{
    ImportPimFile(FContext, ikContact, path);
}

void TAddressTab::NewContact()
{
    EditContact(QString());
}

void TAddressTab::EditSelectedContact()
{
    const QList<int> selected = FUi->AddressListView->SelectedItems();
    const QString file = selected.isEmpty() ? QString() : FModel.FileOf(selected.first());
    if (!Session().PimCommands().ConfirmEditOfFile(TTabCode::Contacts, file))
        return;
    EditContact(file.isEmpty() ? QString() : Session().Player().FContactsDir + file);
}

void TAddressTab::ImportContacts()
{
    ImportPimFile(FContext, ikContact);
}

void TAddressTab::EditContact(const QString &path)
{
    TAddressForm editor(Dialogs(), Window());
    editor.SetFileNameRequired(path.isEmpty());
    editor.SetTargetFile(path);
    if (!path.isEmpty() && QFileInfo::exists(path))
        editor.SetRecord(TKiruVCF(path).GetRecord());
    if (editor.exec() != QDialog::Accepted)
        return;
    Session().PimCommands().SaveContact(path, editor.Record());
}

void TAddressTab::DeleteContacts()
{
    QStringList names;
    for (int item : FUi->AddressListView->SelectedItems())
        names.append(FModel.FileOf(item));
    Session().PimCommands().DeleteSelectedContacts(names);
}
