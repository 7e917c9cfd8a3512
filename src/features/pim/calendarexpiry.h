#pragma once

#include "common/datetime.h"

class TKiruPropertyStore;

/// What a calendar file holds at a moment, for the deletion of expired entries.
enum class TCalendarExpiry
{
    Ended,      // every event and to-do in it has ended
    Current,    // none has ended
    Partly,     // some have ended, some not: the file is kept
    Unreadable, // a date in it cannot be read: the file is kept
};

/// Judges a whole calendar file: every event and to-do block counts, an entry ending with the latest of
/// its start, end, due date and duration; a repeating one with its UNTIL or its last counted occurrence,
/// and never when its series has no end. An entry without any date never ends. Moments equal to the
/// threshold have not passed.
TCalendarExpiry JudgeCalendarFile(TKiruPropertyStore &file, TDateTime threshold);
