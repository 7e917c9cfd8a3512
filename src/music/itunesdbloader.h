#pragma once

#include "app/progress.h"
#include "app/sorvoerror.h"
#include "common/datetime.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

/// Errors of the song database reader and its lists.
class TITBException : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// One song or video of the player, from the song database or from a folder scan.
class TITBSongItem
{
public:
    /// Defaults of a new entry; the three dates are the time of creation.
    TITBSongItem();
    explicit TITBSongItem(TDateTime created);

    QString FLocation; // ":iPod_Control:Music:F03:ABCD.mp3" as stored (no leading colon from a scan)
    QString FTitle;
    QString FArtist;
    QString FAlbum;
    QString FGenre;
    QString FComment;
    QString FKind;
    QString FEqualizer;
    QString FComposer;
    QString FGrouping;
    qint32 FBitRate = 0; // kbit/s
    qint32 FLength = 0;  // milliseconds
    qint64 FSize = 0;    // bytes; stored as an unsigned 32-bit value
    qint32 FTrackID = 0;
    qint32 FPlayCount = 0;
    qint32 FSampleRate = 44100; // Hz
    quint8 FRating = 0;         // 20 per star
    qint32 FVolume = 0;
    qint32 FYear = 2000;
    qint32 FTrackNumber = 0;
    qint32 FTrackCount = 0;
    qint32 FDiscNumber = 0;
    qint32 FDiscCount = 0;
    TDateTime FDateAdded = 0;
    TDateTime FDateModified = 0;
    TDateTime FLastPlayed = 0;
    quint64 FDBID = 0; // key into the artwork database
    bool FIsVideo = false;
    bool FCopyFailed = false; // set by extraction when this entry failed to copy
    qint32 FCopyError = 0;    // -2: data file missing; positive: system error code
    QString FCopyNote;        // set by extraction when the copy was made but its tags could not be written
};

/// Owning list of songs and videos, in database order.
class TITBSongList
{
public:
    int Count() const { return int(FItems.size()); }
    /// Number of entries that are videos.
    int VideoCount() const;
    /// Raises TITBException for an index outside the list.
    TITBSongItem &Items(int index) const;
    /// Appends an entry with the defaults and returns it.
    TITBSongItem &AddNew();
    TITBSongItem &AddNew(TDateTime created);
    TITBSongItem &Add(std::unique_ptr<TITBSongItem> item);
    TITBSongItem &Add(TITBSongItem item);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    void Reserve(int count) { FItems.reserve(size_t(count)); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<std::unique_ptr<TITBSongItem>> FItems;
};

/// A smart-playlist rule or playlist member; the reader keeps none.
class TITBSmartPlayListItem
{
};

/// Owning list of smart-playlist rules or members.
class TITBSmartPlayLists
{
public:
    int Count() const { return int(FItems.size()); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TITBSmartPlayListItem>> FItems;
};

/// One playlist header of the song database.
class TITBPlayListData
{
public:
    qint32 FItemCount = 0;  // entries the header states
    qint32 FPlayListID = 0; // low half of the 64-bit playlist id
    QString FName;          // stays empty: playlist strings are stepped over
    TITBSmartPlayLists FMembers;
    TITBSmartPlayLists FSmartRules;
};

/// Owning list of playlist headers.
class TITBPlayLists
{
public:
    int Count() const { return int(FItems.size()); }
    TITBPlayListData &Items(int index) const;
    TITBPlayListData &AddNew();
    void Clear();
    /// Drops the headers from `count` on.
    void Truncate(int count);

    qint32 FDeclaredCount = 0; // count stated by the playlist list header

private:
    std::vector<std::unique_ptr<TITBPlayListData>> FItems;
};

class TByteSource;

/// Reads the player's song database (iTunesDB) in one pass.
/// What the user is told when the song database ended early: how many songs were read.
QString EndedEarlyText(int songs);

class TITunesDBLoader
{
public:
    /// Walks the file, reading it a part at a time; a file that cannot be opened raises ESorvoError.
    void LoadFromFile(const QString &path);
    /// Walks the bytes from offset 0 and appends songs and playlist headers; does not clear.
    void LoadFromStream(QByteArrayView data);
    void Clear();

    TITBSongList FSongs;
    TITBPlayLists FPlayLists;
    qint32 FSection = 0;                  // type of the section being walked
    TITBSongItem *FCurrentSong = nullptr; // the song string chunks belong to
    TITBPlayListData *FCurrentPlayList = nullptr;
    TProgressEvent FOnProgress; // used by the folder scan; may be empty
    bool FEndedEarly = false;   // a length ran past the end of the data: what came before was read
    /// A compressed database that would inflate beyond this is refused.
    qint64 FMaxInflatedBytes = qint64(512) << 20;

private:
    /// A compressed database is inflated as the walk goes; a damaged stream takes back what this
    /// load added and raises the header error.
    void LoadCompressed(QByteArrayView data, qint64 headerLength);
    void Walk(TByteSource &bytes);
    /// mhod: type at +12, marker at +24, length at +28, UTF-16LE text at +40. Returns the step, 0 to stop.
    qint64 ReadString(TByteSource &bytes, qint64 start);
};
