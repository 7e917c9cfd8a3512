#pragma once

#include "app/statusline.h"
#include "app/tabcode.h"

struct TCopyReport;

/// What core commands ask of their caller besides the status line: a list to read again after they
/// changed files on the player, the transfer log after a copy.
class IMainServices : public IStatusLine
{
public:
    /// Reads a list again.
    virtual void LoadTabData(TTabCode tabCode) = 0;
    /// Shows the failed transfers of a copy.
    virtual void ShowTransferLog(const TCopyReport &report) = 0;
};
