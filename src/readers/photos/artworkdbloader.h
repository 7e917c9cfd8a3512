#pragma once

#include "common/sorvoerror.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class IUserDialogs;
class TByteSource;

/// Errors of the picture database reader.
class TArtDBException : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// Opens a file named in the database, relative to its folder; null when there is none.
using TImageStreamOpener = std::function<std::unique_ptr<QIODevice>(const QString &name)>;

/// One stored thumbnail: where its pixels lie and how they are laid out.
class TArtImageObject
{
public:
    QString FFileName;        // relative to the database folder, "/" separators
    qint64 FOffset = 0;       // of the pixel data in the file; stored unsigned 32-bit
    qint64 FSize = 0;         // byte length of the pixel data; chooses the pixel format
    qint32 FWidth = 0;        // stored width + horizontal padding
    qint32 FHeight = 0;       // stored height + vertical padding
    qint32 FDataWidth = 0;    // pixels per row as laid out in the file
    qint32 FDataHeight = 0;   // rows in the file
    bool FCropNeeded = false; // rows are wider or narrower than FWidth
    TImageStreamOpener FOnGetStream;

    /// The picture (Format_RGB32), decoded on first use and kept; null for a missing file or an absurd
    /// layout, which is not looked for again. Safe to call from several threads at once.
    QImage Bitmap();
    /// Lets the next Bitmap() decode again (a benchmark measures the decoding).
    void ForgetBitmap();

private:
    QImage FBitmap;
    bool FLoadFailed = false;
};

/// Owning list of a picture's thumbnails.
class TArtImageObjectList
{
public:
    int Count() const { return int(FItems.size()); }
    TArtImageObject &Items(int index) const;
    TArtImageObject &AddNew();
    void Clear() { FItems.clear(); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

    TImageStreamOpener FOnGetStream;

private:
    std::vector<std::unique_ptr<TArtImageObject>> FItems;
};

/// One picture record: a photo or one song's artwork.
class TArtItem
{
public:
    quint32 FImageId = 0;
    quint64 FSongId = 0;   // the song database's FDBID
    QString FFullFileName; // full-resolution picture, relative, "/" separators; may be empty
    TArtImageObjectList FImages;
    TImageStreamOpener FOnGetStream;

    /// -1: the narrowest thumbnail; 0: the widest; otherwise the widest not wider than `width`.
    /// Thumbnails of 691200 bytes are never chosen. Null when none fits.
    TArtImageObject *SelectImage(int width) const;
};

/// Owning list of picture records.
class TArtItemList
{
public:
    int Count() const { return int(FItems.size()); }
    TArtItem &Items(int index) const;
    TArtItem &AddNew();
    void Clear() { FItems.clear(); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

    TImageStreamOpener FOnGetStream;

private:
    std::vector<std::unique_ptr<TArtItem>> FItems;
};

/// A named list of image ids with one extra number: an album and its kind.
class TIntList
{
public:
    QString FName;
    qint32 FTag = 0; // album kind; 1 is the library album
    QList<quint32> FItems;
};

/// One row of the album list: name and kind.
struct TAlbumRow
{
    QString FName;
    qint32 FKind = 0;
};

/// The albums of a picture database, in file order.
class TAlbumManager
{
public:
    int Count() const { return int(FAlbums.size()); }
    TIntList &Items(int index) const { return *FAlbums.at(size_t(index)); }
    TIntList &AddNew();
    void Clear() { FAlbums.clear(); }

    QList<TAlbumRow> AlbumRows() const;
    /// Fills `strings` with the image ids of the last album named `name`; nothing for an empty name.
    void GetAlbumImageIds(const QString &name, QStringList &strings) const;

private:
    std::vector<std::unique_ptr<TIntList>> FAlbums;
};

/// Reads a picture database (song artwork or photos) and opens the thumbnail files it names.
class TArtworkDBLoader
{
    Q_DECLARE_TR_FUNCTIONS(TArtworkDBLoader)

public:
    /// `dialogs` receives the two message boxes of an unreadable file; may be null.
    explicit TArtworkDBLoader(IUserDialogs *dialogs = nullptr);
    TArtworkDBLoader(const TArtworkDBLoader &) = delete; // its items' stream opener points back here
    TArtworkDBLoader &operator=(const TArtworkDBLoader &) = delete;

    /// Clears, then reads the file; a file that cannot be read raises ESorvoError.
    void LoadFromFile(const QString &path);
    /// Clears, then parses the bytes of a database whose folder is `baseDir`.
    void LoadFromStream(QByteArrayView data, const QString &baseDir);
    void Clear();

    int Count() const { return FItems.Count(); }
    TArtItem &Items(int index) const { return FItems.Items(index); }
    TArtItem *FindBySongId(quint32 low, quint32 high) const;
    TArtItem *FindBySongId(quint64 songId) const;
    /// The last item with this image id.
    TArtItem *FindByImageId(quint32 imageId) const;
    void ListImageIds(QStringList &strings) const;
    /// Opens FBaseDir + name; null when the file is missing or the name leads outside FBaseDir.
    std::unique_ptr<QIODevice> OpenImageStream(const QString &name) const;

    QString FBaseDir; // folder of the database, ending in "/"
    TArtItemList FItems;
    TAlbumManager FAlbums;

private:
    void Load(TByteSource &bytes, const QString &baseDir);

    IUserDialogs *FDialogs;
};
