#include "mainform/tabs.h"

#include "mainform/mainform.h"
#include "music/songtab.h"
#include "photos/phototab.h"
#include "video/videotab.h"
#include "notes/memotab.h"
#include "pim/addresstab.h"
#include "pim/calendartab.h"
#include "pim/todotab.h"
#include "news/newstab.h"

void CreateTabPages(TMainForm &form)
{
    // One line per tab: form.RegisterTabPage(page, new TXxxTab(form)); the tab is the page's widget.
    form.RegisterTabPage(pgSongs, new TSongTab(form));
    form.RegisterTabPage(pgPhotos, new TPhotoTab(form));
    form.RegisterTabPage(pgVideos, new TVideoTab(form));
    form.RegisterTabPage(pgNotes, new TMemoTab(form));
    form.RegisterTabPage(pgContacts, new TAddressTab(form));
    form.RegisterTabPage(pgCalendar, new TCalendarTab(form));
    form.RegisterTabPage(pgToDo, new TToDoTab(form));
    form.RegisterTabPage(pgNews, new TNewsTab(form));
}
