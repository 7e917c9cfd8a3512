#pragma once

#include "app/inidocument.h"

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

/// One row of the news site list view: caption, address, last update, tick mark.
struct TSiteRow
{
    QString FCaption;
    QString FAddress;
    QString FLastUpdate;
    bool FTicked = true;
    bool operator==(const TSiteRow &) const = default;
};

/// True when the settings line can hold the caption as it is: Shift-JIS has every character, and there
/// is neither ";" nor a control character.
bool IsStorableSiteCaption(const QString &caption);
/// Raises ESorvoError with a message naming the caption unless IsStorableSiteCaption.
void CheckSiteCaption(const QString &caption);

/// Fills the view rows from the site lines; an empty site list leaves the view alone.
void FillSiteRows(const QStringList &sites, QList<TSiteRow> &view);
/// Stores the view rows as "%s;%s;%s;%d;" site lines (the address percent-encoded where the line could not
/// hold it); an empty view leaves the list alone.
void StoreSiteRows(const QList<TSiteRow> &view, QStringList &sites);

/// Every persistent setting of the program, read from "Velmor.INI" once and written back whole by Save().
class TKiruIPodINI
{
    Q_DECLARE_TR_FUNCTIONS(TKiruIPodINI)

public:
    /// Reads the file (a missing file gives the defaults). The screen size centres the default window
    /// positions; without a screen it is 1024 x 768.
    explicit TKiruIPodINI(const QString &path, QSize screen = QSize(1024, 768),
                          QSize mainWindow = QSize(594, 385));

    /// Rewrites the file whole and atomically; raises ESorvoError with the file error's message, or with
    /// LoadWarning when the file is one that must not be written.
    void Save();
    /// Saves what this object changed since it was read into the file as it is on disk now, under the
    /// settings lock: what another run (sorvo-cli) saved meanwhile stays, unless this one changed the
    /// same setting. News sites are merged row by row. Raises as Save().
    void SaveChanges();
    /// Why the file was not read or must not be written (not a settings file, unreadable, read-only);
    /// empty when all is well. The program then runs on what it could read and leaves the file alone.
    const QString &LoadWarning() const { return FLoadWarning; }
    bool CanSave() const { return FLoadWarning.isEmpty(); }
    const QString &FileName() const { return FFileName; }

    /// The default place: next to the program when that folder is writable, else the user's config folder.
    static QString DefaultPath();

    // Positions
    int FMain_X, FMain_Y;
    int FMain_W, FMain_H; // the main window's size; its default size when missing
    int FTView_X, FTView_Y, FTView_W = 400, FTView_H = 330;
    int FPView_X, FPView_Y, FPView_W = 640, FPView_H = 400;
    // SongCopy
    bool FMakeFolder_Artist = true;
    bool FMakeFolder_Album = false;
    int FMakingNameType = 0;
    QString FSongCopy_Folder;
    bool FAddTrackNo = false;
    bool FMakeLibraryData = true;
    bool FSongCopy_EmbedTags = false; // write the database's tags and artwork into the copies
    // VideoCopy
    QString FVideoFolder;
    bool FMakeArtistFolder = true;
    bool FMakeAlbumFolder = false;
    int FMakeType = 0;
    bool FMakeImportFile = false;
    bool FVideoCopy_EmbedTags = false;
    // TextDivide
    bool FMakePageNo = true;
    bool FMakeLink = true;
    bool FMakeDelRuby = false;
    int FMakeDivMode = 0;
    int FMakeWordSize = 4050;
    bool FTextDivide_MakeFolder = true;
    bool FAddEncoded = true;
    bool FAddTitle = true;
    bool FEveryDisplay = true;
    // SongFind
    int FSongFind_Type = 2;
    QString FText;
    int FPageIndex = 0;
    // Copyright
    bool FCopyright = false;
    // Internet
    bool FAutoDownLoad = false;
    QString FSaveFolder;
    bool FAddRSSDate = false;
    bool FAddRSSURL = false;
    // Recognize
    bool FRecognize_MakeFolder = false;
    QString FDriveLockPath;
    // PhotoCopy
    QString FPhotoCopy_Folder;
    int FPhotoCopy_Type = 0;
    // Language: "ja", "en", or empty for the system's
    QString FLanguage;
    // Photos
    int FPhotos_Type = 0;
    int FPosX = 0;
    int FPosY = 0;

    /// News sites, one "name;address;last update;tick;" line each.
    QStringList FSiteList;

    static QStringList DefaultSiteList();

private:
    void Load(const QString &path);
    void ReadAll();
    void WriteAll();
    QList<QVariant> Values() const;
    QSize FScreen, FMainWindow; // what the defaults were computed from
    QList<QVariant> FAsRead;    // every setting as read, in key order
    QStringList FSiteListAsRead;
    QString FFileName;
    QString FLoadWarning;
    TIniDocument FIni;
};
