#include "app/settings.h"

#include "app/sorvoerror.h"
#include "common/format.h"
#include "common/paths.h"
#include "common/textutils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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
    {u"VideoCopy", u"VideoFolder", &TKiruIPodINI::FVideoFolder},
    {u"VideoCopy", u"MakeArtistFolder", &TKiruIPodINI::FMakeArtistFolder},
    {u"VideoCopy", u"MakeAlbumFolder", &TKiruIPodINI::FMakeAlbumFolder},
    {u"VideoCopy", u"MakeType", &TKiruIPodINI::FMakeType},
    {u"VideoCopy", u"MakeImportFile", &TKiruIPodINI::FMakeImportFile},
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
};

const QString kSiteSection = u"RSSURLData"_s;

} // namespace

void FillSiteRows(const QStringList &sites, QList<TSiteRow> &view)
{
    if (sites.isEmpty())
        return;
    view.clear();
    for (const QString &line : sites) {
        if (!line.contains(u';'))
            continue;
        const QString tick = GetField(3, line, u';');
        view.append(TSiteRow{GetField(0, line, u';'), GetField(1, line, u';'), GetField(2, line, u';'),
                             tick == u"1"_s || tick.isEmpty()});
    }
}

void StoreSiteRows(const QList<TSiteRow> &view, QStringList &sites)
{
    if (view.isEmpty())
        return;
    sites.clear();
    for (const TSiteRow &row : view)
        sites << Format(u"%s;%s;%s;%d;"_s,
                        {row.FCaption, row.FAddress, row.FLastUpdate, row.FTicked ? 1 : 0});
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

TKiruIPodINI::TKiruIPodINI(const QString &path, QSize screen, QSize mainWindow) : FFileName(path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        FIni.Parse(file.readAll());
    FMain_X = (screen.width() - mainWindow.width()) / 2;
    FMain_Y = (screen.height() - mainWindow.height()) / 2;
    FTView_X = (screen.width() - 400) / 2;
    FTView_Y = (screen.height() - 330) / 2;
    FPView_X = (screen.width() - 640) / 2;
    FPView_Y = (screen.height() - 400) / 2;
    FSaveFolder = u"RSS News"_s;
    FSiteList = DefaultSiteList();
    ReadAll();
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
    for (int i = 0; i <= count; ++i) {
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
    WriteAll();
    const QFileInfo info(FFileName);
    QDir().mkpath(info.absolutePath());
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(FIni.Serialize()) < 0 || !file.commit())
        throw ESorvoError(Format(u"ファイル %s を作成できません。%s"_s,
                                 {QDir::toNativeSeparators(FFileName), file.errorString()}));
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
