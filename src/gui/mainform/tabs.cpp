#include "mainform/tabs.h"

#include "device/debugpage.h"
#include "device/playerpage.h"
#include "mainform/mainform.h"
#include "music/songtab.h"
#include "news/newstab.h"
#include "notes/memotab.h"
#include "photos/phototab.h"
#include "pim/addresstab.h"
#include "pim/calendartab.h"
#include "pim/todotab.h"
#include "video/videotab.h"

void CreateTabPages(TMainForm &form)
{
    // One line per page: form.RegisterTabPage(page, new TXxxTab(form.Context())).
    form.RegisterTabPage(pgPlayer, new TPlayerPage(form.Context(), form.ManualFile()));
    form.RegisterTabPage(pgSongs, new TSongTab(form.Context()));
    form.RegisterTabPage(pgNotes, new TMemoTab(form.Context()));
    form.RegisterTabPage(pgNews, new TNewsTab(form.Context()));
    form.RegisterTabPage(pgContacts, new TAddressTab(form.Context()));
    form.RegisterTabPage(pgCalendar, new TCalendarTab(form.Context()));
    form.RegisterTabPage(pgToDo, new TToDoTab(form.Context()));
    form.RegisterTabPage(pgPhotos, new TPhotoTab(form.Context()));
    form.RegisterTabPage(pgVideos, new TVideoTab(form.Context()));
    form.RegisterTabPage(pgDebug, new TDebugPage(form.Context()));
}
