#include "mainform/tabpage.h"

#include "dialogs/guarded.h"

bool TTabPage::Guarded(const std::function<void()> &command)
{
    return RunGuarded(FContext.dialogs, command);
}
