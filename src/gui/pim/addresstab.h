#pragma once

#include "mainform/tabpage.h"
#include "pim/pimlistmodels.h"

#include <QMenu>
#include <QWidget>

#include <memory>

namespace Ui {
class TAddressTab;
}
class TMainForm;

/// The contacts tab: the list of the player's vCards with new, edit, delete and import.
class TAddressTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TAddressTab(TMainForm &form);
    ~TAddressTab() override;

    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override { return FModel.rowCount() == 0; }
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override { FModel.Clear(); }
    void Entering() override;

    /// 0 new contact, 1 edit the selected one (new when none), 2 delete the selected ones.
    void Button_AddAddressClick(int tag);
    /// Opens the editor on a contact file (full path), or on a new contact when empty.
    void EditContact(const QString &path);
    void DeleteSelectedContacts();

    TAddressListModel &Model() { return FModel; }

private:
    void Guarded(const std::function<void()> &command);

    std::unique_ptr<Ui::TAddressTab> FUi;
    TMainForm &FForm;
    TAddressListModel FModel;
    QMenu FPopupMenu;
};
