#pragma once

/// The lists of the main window's tabs, as the dispatcher reloads them.
enum class TTabCode : int
{
    Notes = 0,
    Contacts = 1,
    Events = 2,
    Photos = 3,
    NewsSites = 4,
    ToDo = 5,
    Songs = 6,
    Videos = 7,
};

inline constexpr int kTabCodeCount = 8;
