#pragma once

/// The version shown in the caption ("Sorvo 1.72") and by --version.
inline constexpr char16_t kSorvoVersion[] = u"1.72";
