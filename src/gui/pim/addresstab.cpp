#include "pim/addresstab.h"

#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "notes/textimport.h"
#include "pim/addressform.h"
#include "pim/pimtab.h"
#include "ui_addresstab.h"

#include <QFileInfo>

TAddressTab::TAddressTab(TMainForm &form)
    : FUi(std::make_unique<Ui::TAddressTab>()), FForm(form), FPopupMenu(this)
{
    FUi->setupUi(this);
    FPopupMenu.setObjectName(QStringLiteral("PopupMenu_Address"));
    FUi->AddressListView->SetReportModel(&FModel);
    FUi->AddressListView->SetColumnWidths({170, 150, 230});
    AddListAction(FPopupMenu, FUi->AddressListView, FUi->Action_AddrNew);
    AddListAction(FPopupMenu, FUi->AddressListView, FUi->Action_AddrEdit, EnterKeys());
    AddListAction(FPopupMenu, FUi->AddressListView, FUi->Action_AddrDelete);
    FPopupMenu.addSeparator();
    AddListAction(FPopupMenu, FUi->AddressListView, FUi->Action_AddrImport);
    UsePopupMenu(FUi->AddressListView, FPopupMenu);

    connect(FUi->SButton_AddrNew, &QPushButton::clicked, this, [this] { Button_AddAddressClick(0); });
    // The menu's "new" always starts a new card, even with a contact selected.
    connect(FUi->Action_AddrNew, &QAction::triggered, this, [this] { Button_AddAddressClick(0); });
    connect(FUi->Action_AddrEdit, &QAction::triggered, this, [this] { Button_AddAddressClick(1); });
    connect(FUi->Action_AddrDelete, &QAction::triggered, this, [this] { Button_AddAddressClick(2); });
    connect(FUi->AddressListView, &TReportListView::ItemActivated, this, [this] { Button_AddAddressClick(1); });
    const auto import = [this] { Guarded([this] { ImportPimFile(FForm, ikContact); }); };
    connect(FUi->SButton_AddrCopy, &QPushButton::clicked, this, import);
    connect(FUi->Action_AddrImport, &QAction::triggered, this, import);
}

TAddressTab::~TAddressTab() = default;

void TAddressTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

void TAddressTab::LoadTabData(TTabCode)
{
    FModel.Fill(PimCommands(FForm).LoadContactList());
}

void TAddressTab::Entering()
{
    FUi->AddressListView->setFocus();
}

void TAddressTab::Button_AddAddressClick(int tag)
{
    Guarded([&] {
        switch (tag) {
        case 0:
            EditContact(QString());
            break;
        case 1: {
            const QList<int> selected = FUi->AddressListView->SelectedItems();
            EditContact(selected.isEmpty() ? QString()
                                           : FForm.Device().FChecker.FContactsDir + FModel.FileOf(selected.first()));
            break;
        }
        case 2:
            DeleteSelectedContacts();
            break;
        }
    });
}

void TAddressTab::EditContact(const QString &path)
{
    TAddressForm editor(FForm.Dialogs(), &FForm);
    if (!path.isEmpty() && QFileInfo::exists(path))
        editor.SetRecord(TKiruVCF(path).GetRecord());
    if (editor.exec() != QDialog::Accepted)
        return;
    PimCommands(FForm).SaveContact(path, editor.Record());
}

void TAddressTab::DeleteSelectedContacts()
{
    QStringList names;
    for (int item : FUi->AddressListView->SelectedItems())
        names.append(FModel.FileOf(item));
    PimCommands(FForm).DeleteSelectedContacts(names);
}
