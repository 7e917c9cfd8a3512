#pragma once

#include "app/statusline.h"
#include "app/tabcode.h"

/// What core commands ask of their caller besides the status line: a list to read again after they
/// changed files on the player, the transfer log after a copy.
class IMainServices : public IStatusLine
{
public:
    /// Reads a list again.
    virtual void LoadTabData(TTabCode tabCode) = 0;
    /// Shows the failed transfers of the last copy.
    virtual void ShowTransferLog() = 0;
};
