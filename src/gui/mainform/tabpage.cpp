#include "mainform/tabpage.h"

int PageOfTabCode(TTabCode tabCode)
{
    switch (tabCode) {
    case TTabCode::Notes:
        return pgNotes;
    case TTabCode::Contacts:
        return pgContacts;
    case TTabCode::Events:
        return pgCalendar;
    case TTabCode::Photos:
        return pgPhotos;
    case TTabCode::NewsSites:
        return pgNews;
    case TTabCode::ToDo:
        return pgToDo;
    case TTabCode::Songs:
        return pgSongs;
    case TTabCode::Videos:
        return pgVideos;
    }
    return -1;
}

bool TabCodeOfPage(int page, TTabCode &tabCode)
{
    for (int code = 0; code < kTabCodeCount; ++code)
        if (PageOfTabCode(TTabCode(code)) == page) {
            tabCode = TTabCode(code);
            return true;
        }
    return false;
}
