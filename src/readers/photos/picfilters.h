#pragma once

#include <QImage>

#include <functional>

/// Small picture filters on 24- and 32-bit pictures.
class TKiruPicFilters
{
public:
    /// Called with (row or column index, count) after each one a filter finishes; may be empty.
    std::function<void(int index, int count)> FOnProgress;

    /// Turns the picture 90 degrees clockwise in place; false (and untouched) for other pixel depths.
    bool Rotate90(QImage &picture) const;
};
