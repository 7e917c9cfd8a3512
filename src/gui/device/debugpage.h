#pragma once

#include "mainform/tabpage.h"

#include <memory>

namespace Ui {
class TDebugPage;
}

/// The debug page ("-debug"): copies of the player's databases and reports on them, for a bug report.
class TDebugPage : public TTabPage
{
    Q_OBJECT
public:
    explicit TDebugPage(TTabContext context, QWidget *parent = nullptr);
    ~TDebugPage() override;

    /// "エクスポート": asks for a folder and writes what is ticked into it.
    void ExportDebugFiles();

private:
    std::unique_ptr<Ui::TDebugPage> FUi;
};
