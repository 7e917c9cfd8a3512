#include "app/settings.h"
#include "platform/regularfile.h"

#include "app/settingslock.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/textutils.h"
#include "platform/safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <variant>

using namespace Qt::Literals::StringLiterals;

namespace {

using TField = std::variant<int TKiruIPodINI::*, bool TKiruIPodINI::*, QString TKiruIPodINI::*>;

struct TKey
{
    const char16_t *section;
    const char16_t *key;
    TField field;
};

// Every key in the order the file is written.
const TKey kKeys[] = {
    {u"Positions", u"Main_X", &TKiruIPodINI::FMain_X},
    {u"Positions", u"Main_Y", &TKiruIPodINI::FMain_Y},
    {u"Positions", u"Main_W", &TKiruIPodINI::FMain_W},
    {u"Positions", u"Main_H", &TKiruIPodINI::FMain_H},
    {u"Positions", u"TView_X", &TKiruIPodINI::FTView_X},
    {u"Positions", u"TView_Y", &TKiruIPodINI::FTView_Y},
    {u"Positions", u"TView_W", &TKiruIPodINI::FTView_W},
    {u"Positions", u"TView_H", &TKiruIPodINI::FTView_H},
    {u"Positions", u"PView_X", &TKiruIPodINI::FPView_X},
    {u"Positions", u"PView_Y", &TKiruIPodINI::FPView_Y},
    {u"Positions", u"PView_W", &TKiruIPodINI::FPView_W},
    {u"Positions", u"PView_H", &TKiruIPodINI::FPView_H},
    {u"SongCopy", u"MakeFolder_Artist", &TKiruIPodINI::FMakeFolder_Artist},
    {u"SongCopy", u"MakeFolder_Album", &TKiruIPodINI::FMakeFolder_Album},
    {u"SongCopy", u"MakingNameType", &TKiruIPodINI::FMakingNameType},
    {u"SongCopy", u"Folder", &TKiruIPodINI::FSongCopy_Folder},
    {u"SongCopy", u"AddTrackNo", &TKiruIPodINI::FAddTrackNo},
    {u"SongCopy", u"MakeLibraryData", &TKiruIPodINI::FMakeLibraryData},
    {u"SongCopy", u"EmbedTags", &TKiruIPodINI::FSongCopy_EmbedTags},
    {u"VideoCopy", u"VideoFolder", &TKiruIPodINI::FVideoFolder},
    {u"VideoCopy", u"MakeArtistFolder", &TKiruIPodINI::FMakeArtistFolder},
    {u"VideoCopy", u"MakeAlbumFolder", &TKiruIPodINI::FMakeAlbumFolder},
    {u"VideoCopy", u"MakeType", &TKiruIPodINI::FMakeType},
    {u"VideoCopy", u"MakeImportFile", &TKiruIPodINI::FMakeImportFile},
    {u"VideoCopy", u"EmbedTags", &TKiruIPodINI::FVideoCopy_EmbedTags},
    {u"TextDivide", u"MakePageNo", &TKiruIPodINI::FMakePageNo},
    {u"TextDivide", u"MakeLink", &TKiruIPodINI::FMakeLink},
    {u"TextDivide", u"MakeDelRuby", &TKiruIPodINI::FMakeDelRuby},
    {u"TextDivide", u"MakeDivMode", &TKiruIPodINI::FMakeDivMode},
    {u"TextDivide", u"MakeWordSize", &TKiruIPodINI::FMakeWordSize},
    {u"TextDivide", u"MakeFolder", &TKiruIPodINI::FTextDivide_MakeFolder},
    {u"TextDivide", u"AddEncoded", &TKiruIPodINI::FAddEncoded},
    {u"TextDivide", u"AddTitle", &TKiruIPodINI::FAddTitle},
    {u"TextDivide", u"EveryDisplay", &TKiruIPodINI::FEveryDisplay},
    {u"SongFind", u"Type", &TKiruIPodINI::FSongFind_Type},
    {u"SongFind", u"Text", &TKiruIPodINI::FText},
    {u"SongFind", u"PageIndex", &TKiruIPodINI::FPageIndex},
    {u"Copyright", u"Copyright", &TKiruIPodINI::FCopyright},
    {u"Internet", u"AutoDownLoad", &TKiruIPodINI::FAutoDownLoad},
    {u"Internet", u"SaveFolder", &TKiruIPodINI::FSaveFolder},
    {u"Internet", u"AddRSSDate", &TKiruIPodINI::FAddRSSDate},
    {u"Internet", u"AddRSSURL", &TKiruIPodINI::FAddRSSURL},
    {u"Recognize", u"MakeFolder", &TKiruIPodINI::FRecognize_MakeFolder},
    {u"Recognize", u"DriveLockPath", &TKiruIPodINI::FDriveLockPath},
    {u"PhotoCopy", u"Folder", &TKiruIPodINI::FPhotoCopy_Folder},
    {u"PhotoCopy", u"Type", &TKiruIPodINI::FPhotoCopy_Type},
    {u"Photos", u"Type", &TKiruIPodINI::FPhotos_Type},
    {u"Photos", u"PosX", &TKiruIPodINI::FPosX},
    {u"Photos", u"PosY", &TKiruIPodINI::FPosY},
    {u"Language", u"Language", &TKiruIPodINI::FLanguage},
};

const QString kSiteSection = u"RSSURLData"_s;

// Real settings files are a few KB; anything far larger is not one.
constexpr qint64 kMaxSettingsBytes = 16 << 20;

bool HasKnownSection(const TIniDocument &ini)
{
    for (const QString &name : ini.Sections()) {
        if (name.compare(kSiteSection, Qt::CaseInsensitive) == 0)
            return true;
        for (const TKey &k : kKeys)
            if (name.compare(QString::fromUtf16(k.section), Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}

} // namespace

namespace {

// Addresses are kept in the ";"-separated line percent-encoded where needed: "%", ";", control and
// non-ASCII characters. Plain addresses stay as they were.
const QByteArray kAddressKeep = QByteArrayLiteral("!\"#$&'()*+,-./:<=>?@[\\]^_`{|}~");

QString EncodeSiteAddress(const QString &address)
{
    return QString::fromLatin1(address.toUtf8().toPercentEncoding(kAddressKeep));
}

QString DecodeSiteAddress(const QString &stored)
{
    if (!stored.contains(u'%'))
        return stored;
    // Only what this program wrote is decoded; an address typed with its own escapes stays as it is.
    const QByteArray bytes = QByteArray::fromPercentEncoding(stored.toLatin1());
    const QString decoded = QString::fromUtf8(bytes);
    return EncodeSiteAddress(decoded) == stored ? decoded : stored;
}

} // namespace

bool IsStorableSiteCaption(const QString &caption)
{
    if (caption.contains(u';'))
        return false;
    for (QChar c : caption)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return ShiftJisToUnicode(UnicodeToShiftJis(caption)) == caption;
}

void CheckSiteCaption(const QString &caption)
{
    if (!IsStorableSiteCaption(caption))
        throw ESorvoError(Format(
            QCoreApplication::translate("TKiruIPodINI",
                                        "サイト名[ %s ]は保存できません。Shift-JIS にない文字 "
                                        "(ハングル、絵文字など)、「;」と制御文字はサイト名に使えません"),
            {caption}));
}

void FillSiteRows(const QStringList &sites, QList<TSiteRow> &view)
{
    if (sites.isEmpty())
        return;
    view.clear();
    for (const QString &line : sites) {
        if (!line.contains(u';'))
            continue;
        const QString tick = GetField(3, line, u';');
        view.append(TSiteRow{GetField(0, line, u';'), DecodeSiteAddress(GetField(1, line, u';')),
                             GetField(2, line, u';'), tick == u"1"_s || tick.isEmpty()});
    }
}

void StoreSiteRows(const QList<TSiteRow> &view, QStringList &sites)
{
    if (view.isEmpty())
        return;
    sites.clear();
    for (const TSiteRow &row : view)
        sites << Format(u"%s;%s;%s;%d;"_s, {row.FCaption, EncodeSiteAddress(row.FAddress), row.FLastUpdate,
                                            row.FTicked ? 1 : 0});
}

QStringList TKiruIPodINI::DefaultSiteList()
{
    return {
        u"日経デジタルARENA;http://arena.nikkeibp.co.jp/index.rdf;Not Updated"_s,
        u"朝日新聞;http://rss.asahi.com/rss/asahi/newsheadlines.rdf;Not Updated"_s,
        u"MYCOM PCWEB;http://pcweb.mycom.co.jp/haishin/rss/index.rdf;Not Updated"_s,
        u"日経BP;http://www.nikkeibp.co.jp/rss/index.rdf;Not Updated"_s,
        u"AllAboutJapan;http://rss.allabout.co.jp/aa/latest/;Not Updated"_s,
    };
}

TKiruIPodINI::TKiruIPodINI(const QString &path, QSize screen, QSize mainWindow)
    : FScreen(screen), FMainWindow(mainWindow), FFileName(path)
{
    Load(path);
    FMain_X = (screen.width() - mainWindow.width()) / 2;
    FMain_Y = (screen.height() - mainWindow.height()) / 2;
    FMain_W = mainWindow.width();
    FMain_H = mainWindow.height();
    FTView_X = (screen.width() - 400) / 2;
    FTView_Y = (screen.height() - 330) / 2;
    FPView_X = (screen.width() - 640) / 2;
    FPView_Y = (screen.height() - 400) / 2;
    FSaveFolder = u"RSS News"_s;
    FSiteList = DefaultSiteList();
    ReadAll();
    FAsRead = Values();
    FSiteListAsRead = FSiteList;
}

QList<QVariant> TKiruIPodINI::Values() const
{
    QList<QVariant> values;
    for (const TKey &k : kKeys)
        std::visit([&](auto member) { values.append(QVariant::fromValue(this->*member)); }, k.field);
    return values;
}

namespace {

bool SameSite(const TSiteRow &a, const TSiteRow &b)
{
    return a.FCaption == b.FCaption && a.FAddress == b.FAddress;
}

// The news sites after a three-way merge: `theirs` (on disk now) with what `mine` changed from `base`.
QStringList MergeSites(const QStringList &base, const QStringList &mine, const QStringList &theirs)
{
    if (mine == base)
        return theirs;
    QList<TSiteRow> baseRows, mineRows, merged;
    FillSiteRows(base, baseRows);
    FillSiteRows(mine, mineRows);
    FillSiteRows(theirs, merged);
    const auto find = [](const QList<TSiteRow> &rows, const TSiteRow &row) {
        return std::find_if(rows.begin(), rows.end(), [&](const TSiteRow &r) { return SameSite(r, row); });
    };
    // Removed here: removed there too.
    for (const TSiteRow &row : baseRows)
        if (find(mineRows, row) == mineRows.end())
            merged.removeIf([&](const TSiteRow &r) { return SameSite(r, row); });
    for (const TSiteRow &row : mineRows) {
        const auto before = find(baseRows, row);
        auto there =
            std::find_if(merged.begin(), merged.end(), [&](const TSiteRow &r) { return SameSite(r, row); });
        if (before == baseRows.end()) {
            if (there == merged.end())
                merged.append(row); // added here
        } else if (*before != row && there != merged.end()) {
            *there = row; // its tick or last update changed here
        }
    }
    QStringList lines;
    if (merged.isEmpty())
        return lines;
    StoreSiteRows(merged, lines);
    return lines;
}

} // namespace

void TKiruIPodINI::SaveChanges()
{
    if (!CanSave())
        throw ESorvoError(FLoadWarning);
    TSettingsLock lock(FFileName);
    lock.Acquire();
    TKiruIPodINI disk(FFileName, FScreen, FMainWindow);
    if (!disk.CanSave())
        throw ESorvoError(disk.LoadWarning());
    const QList<QVariant> now = Values();
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (now[i] == FAsRead.value(i))
            continue;
        std::visit([&](auto member) { disk.*member = this->*member; }, kKeys[i].field);
    }
    disk.FSiteList = MergeSites(FSiteListAsRead, FSiteList, disk.FSiteList);
    disk.Save();
    // From now on this object stands where the file stands.
    for (const TKey &k : kKeys)
        std::visit([&](auto member) { this->*member = disk.*member; }, k.field);
    FSiteList = disk.FSiteList;
    FAsRead = Values();
    FSiteListAsRead = FSiteList;
}

void TKiruIPodINI::Load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    auto refuse = [&](const QString &why) {
        FIni.Clear();
        FLoadWarning = why;
    };
    const QString notSettings = Format(
        tr("ファイル %s は設定ファイルではありません。既定の設定で動作し、このファイルには書き込みません"),
        {shown});
    if (!info.isFile())
        return refuse(Format(
            tr("設定ファイル %s はファイルではありません。既定の設定で動作し、設定は保存しません"), {shown}));
    if (info.size() > kMaxSettingsBytes)
        return refuse(notSettings);
    QByteArray bytes;
    QString why;
    if (!ReadRegularFile(path, bytes, &why))
        return refuse(Format(tr("設定ファイル %s を読めません (%s)。既定の設定で動作し、設定は保存しません"),
                             {shown, why}));
    if (bytes.isEmpty())
        return;
    // A file saved by an editor as UTF-8 says so with its byte order mark.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        FIni.ParseText(QString::fromUtf8(QByteArrayView(bytes).sliced(3)));
    else
        FIni.Parse(bytes);
    // A settings file is text with at least one of our sections; a picture or a program is not.
    if (bytes.contains('\0') || !HasKnownSection(FIni))
        return refuse(notSettings);
    if (IsReadOnlyFile(path))
        FLoadWarning =
            Format(tr("設定ファイル %s は書き込みできません。変更した設定は保存されません"), {shown});
}

void TKiruIPodINI::ReadAll()
{
    for (const TKey &k : kKeys) {
        const QString section = QString::fromUtf16(k.section);
        const QString key = QString::fromUtf16(k.key);
        std::visit(
            [&](auto member) {
                auto &value = this->*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, int>)
                    value = FIni.ReadInteger(section, key, value);
                else if constexpr (std::is_same_v<T, bool>)
                    value = FIni.ReadBool(section, key, value);
                else
                    value = FIni.ReadString(section, key, value);
            },
            k.field);
    }
    const int count = FIni.ReadInteger(kSiteSection, u"Count"_s, -1);
    if (count < 0)
        return;
    FSiteList.clear();
    // A count far beyond the lines present would only spin through empty look-ups.
    const qsizetype last = qMin<qsizetype>(count, FIni.KeyCount(kSiteSection));
    for (qsizetype i = 0; i <= last; ++i) {
        const QString line = FIni.ReadString(kSiteSection, u"No."_s + QString::number(i), QString());
        if (!line.isEmpty())
            FSiteList << line;
    }
}

void TKiruIPodINI::WriteAll()
{
    FIni.Clear();
    for (const TKey &k : kKeys) {
        const QString section = QString::fromUtf16(k.section);
        const QString key = QString::fromUtf16(k.key);
        std::visit(
            [&](auto member) {
                const auto &value = this->*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, int>)
                    FIni.WriteInteger(section, key, value);
                else if constexpr (std::is_same_v<T, bool>)
                    FIni.WriteBool(section, key, value);
                else
                    FIni.WriteString(section, key, value);
            },
            k.field);
    }
    FIni.WriteInteger(kSiteSection, u"Count"_s, int(FSiteList.size()) - 1);
    for (int i = 0; i < FSiteList.size(); ++i)
        FIni.WriteString(kSiteSection, u"No."_s + QString::number(i), FSiteList[i]);
}

void TKiruIPodINI::Save()
{
    if (!CanSave())
        throw ESorvoError(FLoadWarning);
    WriteAll();
    const QFileInfo info(FFileName);
    QDir().mkpath(info.absolutePath());
    SaveFileOrThrow(FFileName, FIni.Serialize());
}

QString TKiruIPodINI::DefaultPath()
{
    const QString programFolder = ProgramFolder();
    const QFileInfo folder(programFolder);
    const QString beside = programFolder + u"Velmor.INI"_s;
    const QFileInfo existing(beside);
    if (existing.exists() ? existing.isWritable() : folder.isWritable())
        return beside;
    return AddPathDelim(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)) +
           u"Velmor.INI"_s;
}
