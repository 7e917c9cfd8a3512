#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class IUserDialogs;
class TArtworkDBLoader;

/// Where a pw × ph picture is drawn in a W × H canvas, proportions kept; empty when nothing can be drawn.
QRect PhotoFitRect(int pictureWidth, int pictureHeight, int canvasWidth, int canvasHeight);

/// The full-size file of a grid row's photo (row texts are image ids); empty when it has none.
QString PhotoPathForRow(const TArtworkDBLoader &photos, const QStringList &rowIds, int row);

/// The photo viewer without its window: the loaded picture, the fitted drawing, stepping and saving.
class TPhotoViewer
{
    Q_DECLARE_TR_FUNCTIONS(TPhotoViewer)

public:
    /// Moves the grid's selection to the previous (-1) or next (+1) photo; returns its path (empty when there
    /// is none) and sets `index` to its row.
    using TStepCallback = std::function<QString(int direction, int &index)>;

    explicit TPhotoViewer(IUserDialogs &dialogs) : FDialogs(dialogs) {}

    /// Loads a BMP or JPEG file; false (after a message) when it is missing or not a supported picture.
    bool OpenPhoto(const QString &path, int index, int count);
    /// Steps to the previous (`next` false) or next photo; false when there is none or it cannot be shown.
    bool Step(bool next);
    /// The black canvas of a scroll box of the given size with the picture fitted into it.
    QImage Render(QSize scrollBox) const;
    /// "ファイルに保存する": asks for a folder (starting at `exportFolder`, which receives the choice) and
    /// copies the file there, asking before replacing one. False when cancelled or the copy failed.
    bool SaveCopy(QString &exportFolder);
    void CopyToClipboard();

    QImage FPicture;
    QString FFileName;
    QString FSizeText; // status panel 0: "%dx%d"
    bool FPriorEnabled = false;
    bool FNextEnabled = false;
    int FIndex = 0;
    int FCount = 0;
    TStepCallback FOnStep;

private:
    IUserDialogs &FDialogs;
};
