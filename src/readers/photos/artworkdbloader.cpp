#include "photos/artworkdbloader.h"

#include <QCoreApplication>
#include <QMutex>

#include "app/userdialogs.h"
#include "common/bytesource.h"
#include "common/format.h"
#include "common/paths.h"
#include "common/textutils.h"
#include "photos/thumbnail.h"
#include "platform/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 kSmallestDatabase = 100;       // a database of this size or less is refused
constexpr qint64 kFullScreenPhotoSize = 691200; // never chosen as a thumbnail

[[noreturn]] void ThrowNoItem(int index)
{
    throw TArtDBException(
        Format(QCoreApplication::translate("TArtworkDBLoader", "アイテム番号%dにはアイテムが存在しません"),
               {index}));
}

/// Thrown inside the parser when a length runs past the data or would not advance: the reading
/// ends quietly with what was read.
struct TEndOfData
{
};

/// The walk over a picture database: records are read one at a time from the byte source, each
/// as far as its fields reach.
class TArtParser
{
public:
    TArtParser(TByteSource &bytes, TArtworkDBLoader &loader) : FBytes(bytes), FLoader(loader) {}

    void Parse()
    {
        qint64 pos = Step(0, Need(0, 24).LEAt<quint32>(4));
        while (true) {
            const qint64 start = pos;
            const TByteSpan head = FBytes.Span(start, 16);
            if (head.Tag(0) != "mhsd")
                return; // the end of the data, or another chunk: what was read stays
            if (head.Size() < 16)
                throw TEndOfData();
            const quint32 headerLength = head.LEAt<quint32>(4);
            const quint32 totalLength = head.LEAt<quint32>(8);
            const quint32 type = head.LEAt<quint32>(12);
            pos = Step(start, headerLength);
            if (type == 1)
                ReadPictureList(pos);
            else if (type == 2)
                ReadAlbumList(pos);
            else if (type == 3)
                return; // the file list and what follows are not needed
            pos = Step(start, totalLength);
        }
    }

private:
    /// The `length` bytes from `pos`; the reading ends when they are not all there.
    TByteSpan Need(qint64 pos, qint64 length)
    {
        const TByteSpan span = FBytes.Span(pos, length);
        if (span.Size() < length)
            throw TEndOfData();
        return span;
    }
    static qint64 Step(qint64 start, qint64 length)
    {
        if (length <= 0)
            throw TEndOfData();
        return start + length;
    }
    static void CheckTag(const TByteSpan &chunk, const char *tag, const char *message)
    {
        const QByteArrayView found = chunk.Tag(0);
        if (found != tag)
            throw TArtDBException(Format(QCoreApplication::translate("TArtworkDBLoader", message),
                                         {QString::fromLatin1(found.data(), found.size())}));
    }

    void ReadPictureList(qint64 pos)
    {
        const TByteSpan list = Need(pos, 12);
        CheckTag(list, "mhli", QT_TRANSLATE_NOOP("TArtworkDBLoader", "MHLIヘッダが読み取れません - \"%s\""));
        const quint32 count = list.LEAt<quint32>(8);
        pos = Step(pos, list.LEAt<quint32>(4));
        for (quint32 i = 0; i < count; ++i)
            pos = ReadPictureRecord(pos);
    }

    qint64 ReadPictureRecord(qint64 start)
    {
        const TByteSpan record = Need(start, 52);
        CheckTag(record, "mhii",
                 QT_TRANSLATE_NOOP("TArtworkDBLoader", "MHIIヘッダが読み取れません - \"%s\""));
        const quint32 headerLength = record.LEAt<quint32>(4);
        const qint64 end = start + record.LEAt<quint32>(8);
        TArtItem &item = FLoader.FItems.AddNew();
        item.FImageId = record.LEAt<quint32>(16);
        item.FSongId = record.LEAt<quint64>(20);

        enum class TState
        {
            None,
            Full,
            Thumb
        } state = TState::None;
        TArtImageObject *current = nullptr;
        qint64 pos = Step(start, headerLength);
        while (pos < end) {
            const QByteArrayView tag = Need(pos, 4).Tag(0);
            if (tag == "mhni") {
                const TByteSpan location = Need(pos, 36);
                if (state == TState::Thumb)
                    current = &AddThumbnail(item, location);
                pos = Step(pos, location.LEAt<quint32>(4));
            } else if (tag == "mhod") {
                const TByteSpan object = Need(pos, 24);
                const quint32 type = object.LEAt<quint32>(12);
                if ((type & 0xFF) == 3) {
                    const qint64 total = object.LEAt<quint32>(8);
                    if (state == TState::Full)
                        item.FFullFileName = ColonToPathDelim(ReadString(pos));
                    else if (state == TState::Thumb && current)
                        current->FFileName = ColonToPathDelim(ReadString(pos));
                    pos = Step(pos, total);
                } else if (type == 2 || type == 5) {
                    state = type == 2 ? TState::Thumb : TState::Full; // a container: its children follow
                    pos = Step(pos, object.LEAt<quint32>(4));
                } else {
                    pos = Step(pos, object.LEAt<quint32>(8));
                }
            } else if (tag == "mhii") {
                break;
            } else {
                // An unknown chunk is stepped over when its length keeps it inside the record.
                const quint32 total = Need(pos, 12).LEAt<quint32>(8);
                if (total == 0 || pos + total > end)
                    break;
                pos += total;
            }
        }
        return Step(start, end - start);
    }

    static TArtImageObject &AddThumbnail(TArtItem &item, const TByteSpan &location)
    {
        TArtImageObject &image = item.FImages.AddNew();
        image.FOffset = location.LEAt<quint32>(20);
        image.FSize = location.LEAt<quint32>(24);
        const qint64 width = qint64(location.LEAt<quint16>(34)) + location.LEAt<qint16>(30);
        const qint64 height = qint64(location.LEAt<quint16>(32)) + location.LEAt<qint16>(28);
        image.FWidth = qint32(width);
        image.FHeight = qint32(height);
        // Odd widths are stored in rows of an even pixel count, one narrower or one wider.
        qint64 rowLength = width;
        if (width % 2 != 0) {
            rowLength = (width - 1) * height * 2 == image.FSize ? width - 1 : width + 1;
            image.FCropNeeded = true;
        }
        image.FDataWidth = qint32(rowLength);
        image.FDataHeight = qint32(height);
        return image;
    }

    /// mhod string: length at +24, encoding at +28 (0, 2 UTF-16LE; 1 UTF-8), text at +36.
    QString ReadString(qint64 pos)
    {
        const TByteSpan head = Need(pos, 36);
        CheckTag(head, "mhod", QT_TRANSLATE_NOOP("TArtworkDBLoader", "MHODヘッダが読み取れません - \"%s\""));
        const qint64 total = head.LEAt<quint32>(8);
        const qint64 length = head.LEAt<quint32>(24);
        const quint32 encoding = head.LEAt<quint32>(28);
        const qint64 textLength = qMin(length, qMax<qint64>(0, total - 36));
        return DecodeWideOrUtf8(FBytes.At(pos + 36, textLength), int(qMin<quint32>(encoding, 3)), true);
    }

    void ReadAlbumList(qint64 pos)
    {
        const TByteSpan list = Need(pos, 12);
        CheckTag(list, "mhla", QT_TRANSLATE_NOOP("TArtworkDBLoader", "MHLAヘッダが読み取れません - \"%s\""));
        const quint32 count = list.LEAt<quint32>(8);
        pos = Step(pos, list.LEAt<quint32>(4));
        for (quint32 i = 0; i < count; ++i) {
            const qint64 start = pos;
            const TByteSpan header = Need(start, 48);
            CheckTag(header, "mhba",
                     QT_TRANSLATE_NOOP("TArtworkDBLoader", "MHBAヘッダが読み取れません - \"%s\""));
            const quint32 totalLength = header.LEAt<quint32>(8);
            const qint64 entries = header.LEAt<quint32>(16);
            TIntList &album = FLoader.FAlbums.AddNew();
            album.FTag = header.LEAt<quint8>(30);
            pos = Step(start, header.LEAt<quint32>(4));
            // The name string and the entries, in any order; another chunk ends the album.
            for (qint64 child = 0; child < entries + 1; ++child) {
                const QByteArrayView tag = Need(pos, 4).Tag(0);
                if (tag == "mhod") {
                    const qint64 total = Need(pos, 12).LEAt<quint32>(8);
                    album.FName = ReadString(pos);
                    pos = Step(pos, total);
                } else if (tag == "mhia") {
                    const TByteSpan entry = Need(pos, 20);
                    album.FItems.append(entry.LEAt<quint32>(16));
                    pos = Step(pos, entry.LEAt<quint32>(4));
                } else {
                    break;
                }
            }
            pos = Step(start, totalLength);
        }
    }

    TByteSource &FBytes;
    TArtworkDBLoader &FLoader;
};

/// The entry of `folder` named `name` without regard to case, when the exact name is missing.
QString MatchNoCase(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + name))
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

// ---- thumbnails ----

QImage TArtImageObject::Bitmap()
{
    // The window paints thumbnails while an export or a copy reads the same ones beside it.
    static QMutex decoding;
    const QMutexLocker lock(&decoding);
    if (FBitmap.width() > 0 || FBitmap.height() > 0 || FLoadFailed || !FOnGetStream)
        return FBitmap;
    // A missing file is searched for name by name without regard to case: once is enough.
    FLoadFailed = true;
    const std::unique_ptr<QIODevice> stream = FOnGetStream(FFileName);
    if (!stream)
        return FBitmap;
    // A size the file cannot hold yields no picture; DecodeThumbnail refuses absurd sides.
    if (FOffset < 0 || FSize <= 0 || FSize > stream->size() - FOffset)
        return FBitmap;
    if (!stream->seek(FOffset))
        return FBitmap;
    const QByteArray pixels = stream->read(FSize);
    FBitmap = DecodeThumbnail(*this, pixels);
    FLoadFailed = FBitmap.isNull();
    return FBitmap;
}

void TArtImageObject::ForgetBitmap()
{
    FBitmap = QImage();
    FLoadFailed = false;
}

TArtImageObject &TArtImageObjectList::Items(int index) const
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    return *FItems[size_t(index)];
}

TArtImageObject &TArtImageObjectList::AddNew()
{
    FItems.push_back(std::make_unique<TArtImageObject>());
    FItems.back()->FOnGetStream = FOnGetStream;
    return *FItems.back();
}

// ---- items ----

TArtImageObject *TArtItem::SelectImage(int width) const
{
    TArtImageObject *best = nullptr;
    for (const auto &image : FImages) {
        if (image->FSize == kFullScreenPhotoSize)
            continue;
        const qint32 w = image->FDataWidth;
        bool better = false;
        if (width == -1)
            better = !best || w < best->FDataWidth;
        else if (width == 0)
            better = !best || w > best->FDataWidth;
        else
            better = w <= width && (!best || w > best->FDataWidth);
        if (better)
            best = image.get();
    }
    return best;
}

TArtItem &TArtItemList::Items(int index) const
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    return *FItems[size_t(index)];
}

TArtItem &TArtItemList::AddNew()
{
    FItems.push_back(std::make_unique<TArtItem>());
    TArtItem &item = *FItems.back();
    item.FOnGetStream = FOnGetStream;
    item.FImages.FOnGetStream = FOnGetStream;
    return item;
}

// ---- albums ----

TIntList &TAlbumManager::AddNew()
{
    FAlbums.push_back(std::make_unique<TIntList>());
    return *FAlbums.back();
}

QList<TAlbumRow> TAlbumManager::AlbumRows() const
{
    QList<TAlbumRow> rows;
    for (const auto &album : FAlbums)
        rows.append({album->FName, album->FTag});
    return rows;
}

void TAlbumManager::GetAlbumImageIds(const QString &name, QStringList &strings) const
{
    if (name.isEmpty())
        return;
    for (const auto &album : FAlbums) {
        if (album->FName != name)
            continue;
        strings.clear();
        for (const quint32 id : album->FItems)
            strings.append(QString::number(id));
    }
}

// ---- loader ----

TArtworkDBLoader::TArtworkDBLoader(IUserDialogs *dialogs) : FDialogs(dialogs)
{
    FItems.FOnGetStream = [this](const QString &name) { return OpenImageStream(name); };
}

void TArtworkDBLoader::Clear()
{
    FItems.Clear();
    FAlbums.Clear();
}

void TArtworkDBLoader::LoadFromFile(const QString &path)
{
    Clear();
    TFileBytes bytes;
    if (!bytes.Open(path))
        throw ESorvoError(Format(tr("ファイル \"%s\" を開けません。%s"), {path, bytes.ErrorString()}));
    Load(bytes, QFileInfo(path).absolutePath());
}

void TArtworkDBLoader::LoadFromStream(QByteArrayView data, const QString &baseDir)
{
    TMemoryBytes bytes(data);
    Load(bytes, baseDir);
}

void TArtworkDBLoader::Load(TByteSource &bytes, const QString &baseDir)
{
    Clear();
    FBaseDir = AddPathDelim(baseDir);
    if (bytes.Size() <= kSmallestDatabase) {
        if (FDialogs)
            FDialogs->Warning(tr("ファイルが不正です"));
        return;
    }
    if (bytes.At(0, 4) != "mhfd") {
        if (FDialogs)
            FDialogs->Warning(tr("ArtwokDBではないファイルが読み込まれました"));
        return;
    }
    try {
        TArtParser(bytes, *this).Parse();
    } catch (const TEndOfData &) {
        // What was read stays.
    }
}

TArtItem *TArtworkDBLoader::FindBySongId(quint32 low, quint32 high) const
{
    return FindBySongId(quint64(high) << 32 | low);
}

TArtItem *TArtworkDBLoader::FindBySongId(quint64 songId) const
{
    for (const auto &item : FItems)
        if (item->FSongId == songId)
            return item.get();
    return nullptr;
}

TArtItem *TArtworkDBLoader::FindByImageId(quint32 imageId) const
{
    TArtItem *found = nullptr;
    for (const auto &item : FItems)
        if (item->FImageId == imageId)
            found = item.get();
    return found;
}

void TArtworkDBLoader::ListImageIds(QStringList &strings) const
{
    strings.clear();
    for (const auto &item : FItems)
        strings.append(QString::number(item->FImageId));
}

std::unique_ptr<QIODevice> TArtworkDBLoader::OpenImageStream(const QString &name) const
{
    if (FBaseDir.isEmpty())
        return nullptr;
    const QString base = QDir::cleanPath(FBaseDir);
    const QString prefix = base.endsWith(u'/') ? base : base + u'/';
    QString relative = name;
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    // A name that climbs out of the database's folder is never opened.
    const QString joined = QDir::cleanPath(prefix + relative);
    if (relative.isEmpty() || !joined.startsWith(prefix))
        return nullptr;
    // Names are matched without regard to case, as on the player's own file system.
    QString path = prefix;
    const QStringList parts = joined.mid(prefix.size()).split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString entry = MatchNoCase(path, parts[i]);
        if (entry.isEmpty())
            return nullptr;
        path += entry + (i + 1 < parts.size() ? u"/"_s : QString());
    }
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}
