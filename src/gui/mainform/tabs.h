#pragma once

class TMainForm;

/// Creates every page of the main window and plugs it in.
void CreateTabPages(TMainForm &form);
