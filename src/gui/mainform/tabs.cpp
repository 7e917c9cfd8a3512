#include "mainform/tabs.h"

#include "mainform/mainform.h"
#include "pim/addresstab.h"

void CreateTabPages(TMainForm &form)
{
    // One line per tab: form.RegisterTabPage(page, new TXxxTab(form)); the tab is the page's widget.
    form.RegisterTabPage(pgContacts, new TAddressTab(form));
}
