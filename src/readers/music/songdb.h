#pragma once

#include "common/datetime.h"
#include "common/sorvoerror.h"
#include "platform/memoryarena.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

/// Errors of the song database reader and its lists.
class TITBException : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// The texts of a song entry, in the order the song database stores them (mhod types 1 to 8, 12, 13),
/// so that a song's texts as read lie in place.
enum class TSongText
{
    Title,
    Location, // ":iPod_Control:Music:F03:ABCD.mp3" as stored (no leading colon from a scan)
    Album,
    Artist,
    Genre,
    Kind, // the file kind text, as the database or the tag reader gives it
    Equalizer,
    Comment,
    Composer,
    Grouping,
};
inline constexpr int kSongTextCount = 10;

/// The ten texts of one entry in one block: the end of each text, then the texts as UTF-16. The block
/// belongs to the entry itself, or, for songs read from a database, to the list the entry is in; a
/// copy or a move out of the list always gets a block of its own.
class TSongTextBlock
{
public:
    TSongTextBlock() = default;
    TSongTextBlock(const TSongTextBlock &other);
    TSongTextBlock(TSongTextBlock &&other);
    TSongTextBlock &operator=(const TSongTextBlock &other);
    TSongTextBlock &operator=(TSongTextBlock &&other);
    ~TSongTextBlock();

    QStringView View(TSongText which) const
    {
        if (!FBlock)
            return {};
        const int i = int(which);
        const quint32 start = i > 0 ? FBlock[i - 1] : 0;
        return QStringView(reinterpret_cast<const char16_t *>(FBlock + kSongTextCount) + start,
                           qsizetype(FBlock[i] - start));
    }
    void Set(TSongText which, QStringView text);

    static constexpr qsizetype kEndsBytes = kSongTextCount * qsizetype(sizeof(quint32));
    /// Bytes of the block holding `texts`.
    static qsizetype BytesFor(const QStringView (&texts)[kSongTextCount]);
    /// Lays `texts` out at `place` (BytesFor bytes, aligned for quint32) and uses that block, which
    /// its owner keeps alive as long as this object.
    void UseBlockAt(void *place, const QStringView (&texts)[kSongTextCount]);
    /// Uses a block its owner laid out and keeps alive as long as this object; null for no texts.
    void UseBlock(const quint32 *block);

private:
    void Release();
    void TakeCopy(const quint32 *block);

    const quint32 *FBlock = nullptr; // null: every text empty
    bool FOwned = false;
};

/// One song or video of the player, from the song database or from a folder scan.
class TITBSongItem
{
public:
    /// Defaults of a new entry; the three dates are the time of creation.
    TITBSongItem();
    explicit TITBSongItem(TDateTime created);

    // Each text getter returns a copy of its own. The views are for loops over many songs (sorting,
    // searching): one stays valid while its entry lives and none of the entry's texts is set.
    QString Text(TSongText which) const { return FTexts.View(which).toString(); }
    QStringView TextView(TSongText which) const { return FTexts.View(which); }
    void SetText(TSongText which, QStringView text) { FTexts.Set(which, text); }

    QString Location() const { return Text(TSongText::Location); }
    QString Title() const { return Text(TSongText::Title); }
    QString Artist() const { return Text(TSongText::Artist); }
    QString Album() const { return Text(TSongText::Album); }
    QString Genre() const { return Text(TSongText::Genre); }
    QString Comment() const { return Text(TSongText::Comment); }
    QString Kind() const { return Text(TSongText::Kind); }
    QString Equalizer() const { return Text(TSongText::Equalizer); }
    QString Composer() const { return Text(TSongText::Composer); }
    QString Grouping() const { return Text(TSongText::Grouping); }

    QStringView LocationView() const { return TextView(TSongText::Location); }
    QStringView TitleView() const { return TextView(TSongText::Title); }
    QStringView ArtistView() const { return TextView(TSongText::Artist); }
    QStringView AlbumView() const { return TextView(TSongText::Album); }
    QStringView GenreView() const { return TextView(TSongText::Genre); }
    QStringView CommentView() const { return TextView(TSongText::Comment); }
    QStringView KindView() const { return TextView(TSongText::Kind); }
    QStringView EqualizerView() const { return TextView(TSongText::Equalizer); }
    QStringView ComposerView() const { return TextView(TSongText::Composer); }
    QStringView GroupingView() const { return TextView(TSongText::Grouping); }

    void SetLocation(const QString &text) { SetText(TSongText::Location, text); }
    void SetTitle(const QString &text) { SetText(TSongText::Title, text); }
    void SetArtist(const QString &text) { SetText(TSongText::Artist, text); }
    void SetAlbum(const QString &text) { SetText(TSongText::Album, text); }
    void SetGenre(const QString &text) { SetText(TSongText::Genre, text); }
    void SetComment(const QString &text) { SetText(TSongText::Comment, text); }
    void SetKind(const QString &text) { SetText(TSongText::Kind, text); }
    void SetEqualizer(const QString &text) { SetText(TSongText::Equalizer, text); }
    void SetComposer(const QString &text) { SetText(TSongText::Composer, text); }
    void SetGrouping(const QString &text) { SetText(TSongText::Grouping, text); }

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

private:
    friend class TITBSongList;
    TSongTextBlock FTexts;
};

/// Owning list of songs and videos, in database order. The entries, and the texts of songs read from
/// a database, are kept in the list's own memory, freed together when the list is cleared.
class TITBSongList
{
public:
    TITBSongList() = default;
    ~TITBSongList();
    TITBSongList(TITBSongList &&other) noexcept;
    TITBSongList &operator=(TITBSongList &&other) noexcept;
    TITBSongList(const TITBSongList &) = delete;
    TITBSongList &operator=(const TITBSongList &) = delete;

    int Count() const { return int(FItems.size()); }
    /// Number of entries that are videos.
    int VideoCount() const;
    /// The entries that are not videos: the rows of the song tab, files present or not.
    int ListedSongCount() const { return Count() - VideoCount(); }
    /// Raises TITBException for an index outside the list.
    TITBSongItem &Items(int index) const;
    /// Appends an entry with the defaults and returns it.
    TITBSongItem &AddNew();
    TITBSongItem &AddNew(TDateTime created);
    TITBSongItem &Add(std::unique_ptr<TITBSongItem> item);
    TITBSongItem &Add(TITBSongItem item);
    void Delete(int index);
    /// Drops the entries from `count` on.
    void Truncate(int count);
    void Clear();
    /// Room for `count` entries in all, read from a database.
    void Reserve(int count);
    /// The reader's way to give the last entry its texts: each is written once, straight into the
    /// list's memory, from UTF-16LE up to its first NUL (an odd last byte is dropped); a text of the
    /// same kind again replaces the earlier one. The texts become the entry's with StoreLastTexts,
    /// or when the list changes otherwise.
    void SetLastText(TSongText which, QByteArrayView utf16le);
    void StoreLastTexts();

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    /// A new entry made in the list's memory from `arg` (a creation time or an entry to move).
    template <typename TArg> TITBSongItem &Place(TArg &&arg);

    /// The texts being written for the last entry: the block's ends, then the texts as they came.
    struct TOpenTexts
    {
        quint32 *FBlock = nullptr; // in FMemory, the last piece handed out
        qsizetype FRoom = 0;       // units the piece has room for
        qsizetype FUnits = 0;      // units written
        int FLast = -1;            // the last text written
        bool FInPlace = true;      // each text came after the one before it: they lie as the block wants
        quint32 FStart[kSongTextCount] = {}; // of each text, in units after the ends
        quint32 FLength[kSongTextCount] = {};
    };

    std::vector<TITBSongItem *> FItems; // each made in FMemory
    TMemoryArena FMemory;
    TOpenTexts FOpen;
};

/// What a playlist is, as the database marks it.
enum class TPlayListKind
{
    Plain,
    Master,  // the playlist that holds every song
    Podcast, // the player's podcast list
    Smart,   // filled by rules; the songs stored in it are read, the rules are not evaluated
};

/// One playlist of the song database.
class TITBPlayListData
{
public:
    qint32 FItemCount = 0;  // entries the header states
    qint32 FPlayListID = 0; // low half of the 64-bit playlist id
    quint64 FPersistentID = 0;
    quint64 FParentID = 0; // the folder holding the playlist; 0 at the top
    QString FName;
    bool FMaster = false; // the playlist that holds every song
    TPlayListKind FKind = TPlayListKind::Plain;
    QList<qint32> FTrackIDs; // the members in playlist order, by the songs' FTrackID
};

/// Owning list of playlists.
class TITBPlayLists
{
public:
    int Count() const { return int(FItems.size()); }
    TITBPlayListData &Items(int index) const;
    TITBPlayListData &AddNew();
    void Clear();
    /// Drops the playlists from `count` on.
    void Truncate(int count);
    /// The playlist of a name (exact, else ignoring case), master playlist last; -1 for none. Names are
    /// compared in one Unicode form: a name decomposed on a Mac is the same name typed composed.
    int Find(QStringView name) const;
    /// Every playlist Find could mean: more than one when several have that name (a plain playlist is
    /// still taken before the master playlist of its name). Empty for none.
    QList<int> FindAll(QStringView name) const;
    /// Whether other playlists name this one as their folder.
    bool IsFolder(int index) const;
    /// The folder holding a playlist, -1 at the top (or when the folder is missing or a loop).
    int ParentOf(int index) const;

    qint32 FDeclaredCount = 0; // count stated by the playlist list header

private:
    std::vector<std::unique_ptr<TITBPlayListData>> FItems;
};

/// Indexes into a song list of a playlist's members, in playlist order; track ids not in the list are
/// left out. Built once per call from the list's track ids.
QList<int> PlayListSongIndexes(const TITBSongList &songs, const TITBPlayListData &list);
/// The playlist's kind as the command line and JSON name it ("master", "podcast", "smart", "folder",
/// "playlist").
QString PlayListKindName(const TITBPlayLists &lists, int index);
