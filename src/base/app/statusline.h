#pragma once

#include <QString>

/// The status line: panel 1's messages and the progress of work reported there.
class IStatusLine
{
public:
    virtual ~IStatusLine() = default;
    virtual void SetStatusText(const QString &text) = 0;
    /// "%d %% - %s" with position × 100 / total; the message alone when total is 0.
    virtual void ShowProgressText(int position, int total, const QString &message) = 0;
};
