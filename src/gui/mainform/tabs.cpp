#include "mainform/tabs.h"

#include "mainform/mainform.h"
#include "news/newstab.h"

void CreateTabPages(TMainForm &form)
{
    // One line per tab: form.RegisterTabPage(page, new TXxxTab(form)); the tab is the page's widget.
    form.RegisterTabPage(pgNews, new TNewsTab(form));
}
