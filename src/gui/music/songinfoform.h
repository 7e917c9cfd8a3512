#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

namespace Ui {
class TSongInfoForm;
}
class IUserDialogs;
class QMenu;
class TArtworkDBLoader;
class TITBSongItem;

/// Everything known of one song or video: tags and counts, file size and format, artwork, lyrics; lets the
/// user tick the entry, play it and save or copy its lyrics and artwork.
class TSongInfoForm : public QDialog
{
    Q_OBJECT
public:
    /// `filePath` is the entry's file on the player; `artwork` the song artwork database.
    TSongInfoForm(const TITBSongItem &song, const QString &filePath, const TArtworkDBLoader &artwork,
                  IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TSongInfoForm() override;

    /// Video mode: the video caption and no lyrics page.
    void SetVideoMode(bool video);
    /// The entry's check mark as the window opens, and what sets the row's mark when the box changes.
    void SetChecked(bool checked, std::function<void(bool)> setRowChecked);

    /// Fills the page just shown (lyrics or artwork).
    void SongPagesChange();
    enum class TLyricCommand
    {
        CopySelection,
        SelectAll,
        CopyAll,
        Save,
    };
    enum class TArtworkCommand
    {
        Save,
        CopyToClipboard,
    };
    void LyricCommand(TLyricCommand command);
    void ArtworkCommand(TArtworkCommand command);
    /// Opens the file with its associated program.
    void OpenSongFile();

    const TITBSongItem &FSong;
    QString FFilePath;
    bool FVideoMode = false;
    bool FChanged = false;

private:
    void FillOverview();
    void ShowLyrics();
    void ShowArtwork();
    void SaveLyrics();
    void SaveArtwork();
    /// Asks before replacing an existing file; false when the user said No.
    bool MayOverwrite(const QString &path);

    std::unique_ptr<Ui::TSongInfoForm> FUi;
    const TArtworkDBLoader &FArtwork;
    IUserDialogs &FDialogs;
    std::function<void(bool)> FSetRowChecked;
    QImage FArtImage;
    QMenu *FMemoPopupMenu = nullptr;
    QMenu *FArtworkPopupMenu = nullptr;
};
