#pragma once

class TMainForm;

/// Creates the feature tabs (songs, videos, photos, notes, contacts, calendar, to-do, news) and plugs
/// each into its page of the main window, which owns them from then on.
void CreateTabPages(TMainForm &form);
