#pragma once

#include "music/songsearch.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TSongFindForm;
}
class QButtonGroup;
class TArtistTickModel;
class TKiruIPodINI;

/// The search window: keywords and the field they are looked for in, or artists to tick. On OK it stores
/// the "SongFind" settings; the caller runs the search of the active page.
class TSongFindForm : public QDialog
{
    Q_OBJECT
public:
    /// `artists`: the artists of the song tree, in its order.
    TSongFindForm(TKiruIPodINI &settings, const QList<TArtistTick> &artists, QWidget *parent = nullptr);
    ~TSongFindForm() override;

    /// Stores the text, the field and the page, and closes accepted.
    void Search();
    /// The active page as the settings count it (0 keywords, 2 artists).
    int ActivePage() const;
    /// The artists with their ticks.
    QList<TArtistTick> Ticks() const;

private:
    std::unique_ptr<Ui::TSongFindForm> FUi;
    TKiruIPodINI &FSettings;
    TArtistTickModel *FArtists = nullptr;
    QButtonGroup *FTypes = nullptr;
};
