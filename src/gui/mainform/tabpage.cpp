#include "mainform/tabpage.h"

int PageOfTabCode(int tabCode)
{
    static const int pages[] = {pgNotes, pgContacts, pgCalendar, pgPhotos, pgNews, pgToDo, pgSongs, pgVideos};
    return tabCode >= 0 && tabCode < 8 ? pages[tabCode] : -1;
}

int TabCodeOfPage(int page)
{
    for (int code = 0; code < 8; ++code)
        if (PageOfTabCode(code) == page)
            return code;
    return -1;
}
