#pragma once

#include "mainform/tabpage.h"
#include "pim/pimlistmodels.h"

#include <memory>

namespace Ui {
class TAddressTab;
}
class TContextMenu;

/// The contacts tab: the list of the player's vCards with new, edit, delete and import.
class TAddressTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TAddressTab(TTabContext context, QWidget *parent = nullptr);
    ~TAddressTab() override;

    /// Reads the contacts the first time the page is shown after a recognition.
    void Entering() override;
    bool AcceptsDrops() const override { return true; }
    /// A dropped vCard file is copied onto the player.
    void DropFile(const QString &path) override;

    /// "新規作成": a new contact.
    void NewContact();
    /// "編集": the selected contact (a new one when none is selected).
    void EditSelectedContact();
    /// "削除": the selected contacts, after asking.
    void DeleteContacts();
    /// "取り込み": a vCard file chosen in the open dialog.
    void ImportContacts();
    /// Opens the editor on a contact file (full path), or on a new contact when empty.
    void EditContact(const QString &path);

    TAddressListModel &Model() { return FModel; }

private:
    std::unique_ptr<Ui::TAddressTab> FUi;
    TAddressListModel FModel;
    TContextMenu *FPopupMenu = nullptr;
};
