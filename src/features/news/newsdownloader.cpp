#include "news/newsdownloader.h"

#include "app/mainservices.h"
#include "app/progress.h"
#include "app/userdialogs.h"
#include "common/datetime.h"
#include "common/format.h"
#include "common/kirustringlist.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "news/htmlreader.h"
#include "news/webfetch.h"
#include "notes/memodivider.h"
#include "notes/shiftjisloss.h"
#include "notes/usablename.h"
#include "platform/network.h"
#include "platform/system.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kPlainTextExtensions = u"*.txt;*.c;*.pas;*.h;*.cpp;*.cs;*.vhd;"_s;

// Text never holds NUL bytes; compressed and binary data nearly always do, or are mostly control bytes.
bool IsUnreadableBody(const QByteArray &body)
{
    if (body.contains('\0'))
        return true;
    qsizetype controls = 0;
    for (char c : body) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != 0x1B && b != '\f')
            ++controls;
    }
    return controls * 20 > body.size();
}

void MakeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw ESorvoError(Format(TNewsDownloader::tr("フォルダ[ %s ]を作成できません"),
                                 {QDir::toNativeSeparators(folder)}));
}
} // namespace

TNewsDownloader::TNewsDownloader(const TKiruIPodINI &settings, IUserDialogs &dialogs)
    : FIsOnline(IsOnline), FSettings(settings), FDialogs(dialogs)
{}

QString TNewsDownloader::DefaultWorkFolder()
{
    const QString program = ProgramFolder();
    if (QFileInfo(program).isWritable())
        return program + u"RDFData/"_s;
    return AddPathDelim(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)) + u"RDFData/"_s;
}

QString TNewsDownloader::SafeCaption(const QString &caption)
{
    const QString name = BlankUnusableChars(caption);
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed == u"."_s || trimmed == u".."_s)
        return u"news"_s;
    return WindowsSafeName(name);
}

QString TNewsDownloader::DestinationFolder(const QString &notesFolder) const
{
    const QString notes = AddPathDelim(notesFolder);
    if (!FSettings.FTextDivide_MakeFolder)
        return notes;
    // Whatever a run did not write is removed from the folder: it must be one folder inside the notes
    // folder.
    const QString save = FSettings.FSaveFolder;
    if (save.trimmed().isEmpty() || save == u"."_s || save == u".."_s || save.contains(u'/') ||
        save.contains(u'\\'))
        throw ESorvoError(Format(tr("保存先フォルダ名[ %s ]は使えません"), {save}));
    return notes + save + u'/';
}

void TNewsDownloader::Download(QList<TSiteRow> &rows, const QString &notesFolder, IProgressRunner &progress,
                               IMainServices *services)
{
    if (FIsOnline && !FIsOnline())
        FDialogs.Warning(tr("このコンピュータはオンラインではありません!"));
    DestinationFolder(notesFolder); // refuses a bad save folder before anything is fetched
    try {
        progress.RunWithProgress(tr("ダウンロード状況"), 0, int(rows.size()), [&](TProgressContext &context) {
            DownloadStep(rows, notesFolder, context);
        });
    } catch (...) {
        // Notes written before the failure are on the player: show them all the same.
        if (services)
            services->LoadTabData(TTabCode::Notes);
        throw;
    }
    if (services) {
        services->LoadTabData(TTabCode::Notes);
        // The outcome is the last word on the status line, after the notes list's own message.
        QString outcome =
            tr("ニュースをダウンロードしました (メモ %n 件)", nullptr, int(FWrittenNotes.size()));
        for (const QString &lost : std::as_const(FLostCharacters))
            outcome += u"  "_s + lost;
        if (!FFailures.isEmpty())
            //: Follows the message above on the status line; %s lists the failed sites
            outcome += Format(tr("  ダウンロードできなかったサイト: %s"), {FFailures.join(u" / "_s)});
        services->SetStatusText(outcome);
    }
}

void TNewsDownloader::DownloadStep(QList<TSiteRow> &rows, const QString &notesFolder,
                                   TProgressContext &context)
{
    FWrittenNotes.clear();
    FFailures.clear();
    FLostCharacters.clear();
    const QString dest = DestinationFolder(notesFolder);
    // The save folder's old notes stay until the run is over: a site's note is replaced only by a
    // complete new one, and a stopped run removes nothing.
    QStringList unfinished; // titles of ticked sites without new notes
    const QString work = AddPathDelim(FWorkFolder.isEmpty() ? DefaultWorkFolder() : FWorkFolder);
    MakeFolder(work);

    TWebFetch fetch;
    fetch.FIdleTimeoutSeconds = FIdleTimeoutSeconds;
    fetch.FTotalTimeoutSeconds = FTotalTimeoutSeconds;
    fetch.FMaxBytes = FMaxBytes;
    fetch.FOnKeepAlive = [&context] { return context.Cancelled(); };

    for (qsizetype i = 0; i < rows.size(); ++i) {
        TSiteRow &row = rows[i];
        context.SetPosition(int(i));
        //: Progress caption; %s is the news site's name
        context.SetLabel(Format(tr("Downloading... %s"), {row.FCaption}));
        if (row.FTicked) {
            const QString title = SafeCaption(row.FCaption);
            const QString file = work + title + u".RDF"_s;
            QString error;
            QStringList lost;
            bool written = false;
            if (!fetch.Fetch(row.FAddress, file)) {
                error = fetch.FError;
            } else {
                const QByteArray body = ReadWholeFile(file);
                TKiruStringList lines;
                if (IsUnreadableBody(body)) {
                    // A compressed or binary body would become notes of garbage, or none at all.
                    error = tr("テキストとして読めない内容です");
                } else if (MatchExtensionList(row.FAddress, kPlainTextExtensions)) {
                    lines.SetText(body);
                } else {
                    THTMLReader reader;
                    reader.FAddDate = FSettings.FAddRSSDate;
                    reader.FAddLink = FSettings.FAddRSSURL;
                    reader.LoadFromBytes(body);
                    reader.Convert();
                    lines = reader.FLines;
                    lost = reader.FLostCharacters;
                    if (reader.FDocKind == THTMLReader::DocUnknown)
                        error = tr("フィードでもHTMLでもない内容です");
                }
                // Nothing read is no update: the site keeps its last update time.
                if (error.isEmpty() && DivideIntoNotes(lines, title, dest, error)) {
                    row.FLastUpdate = ShownDateTime(QDateTime::currentDateTime());
                    written = true;
                    // Text changed on the way onto the player is said, never silent.
                    if (!lost.isEmpty())
                        //: %s: the news site's name, then the characters, separated by blanks
                        FLostCharacters
                            << Format(tr("[ %s ] の次の文字はShift-JISにないため「?」に置き換えました: %s"),
                                      {row.FCaption, ShownCharacters(lost)});
                }
            }
            if (!written)
                unfinished.append(title);
            // A stop asked for by the user is not the site's failure.
            if (!error.isEmpty() && !context.Cancelled()) {
                //: %s: the news site's name, then the reason
                FFailures << Format(tr("[ %s ]を取得できませんでした (%s)"), {row.FCaption, error});
                context.SetLabel(FFailures.last());
            }
        }
        if (context.Cancelled())
            break;
    }
    if (FSettings.FTextDivide_MakeFolder && !context.Cancelled())
        RemoveOldNotes(dest, unfinished);
}

void TNewsDownloader::RemoveOldNotes(const QString &dest, const QStringList &unfinished) const
{
    // The save folder holds the news of the last run: what this run did not write goes, except the notes
    // of the sites that failed, which stay until a download of theirs succeeds.
    QSet<QString> keep;
    for (const QString &file : std::as_const(FWrittenNotes))
        keep.insert(QDir::cleanPath(file));
    for (const QString &title : unfinished) {
        TKiruMemoDivider divider;
        divider.Title = title;
        for (const QString &file : divider.ExistingNotes(dest))
            keep.insert(QDir::cleanPath(file));
    }
    QStringList folders;
    QDirIterator it(dest, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.isDir() && !entry.isSymLink())
            folders.prepend(entry.filePath()); // deepest last found, first removed
        else if (!keep.contains(QDir::cleanPath(entry.filePath())))
            QFile::remove(entry.filePath());
    }
    for (const QString &folder : std::as_const(folders))
        QDir().rmdir(folder); // only when empty
}

bool TNewsDownloader::DivideIntoNotes(const TKiruStringList &lines, const QString &title,
                                      const QString &folder, QString &error)
{
    if (lines.FLines.isEmpty())
        return true;
    MakeFolder(folder);
    TKiruMemoDivider divider;
    divider.Title = title;
    divider.MakeDivMode = dmLine;
    divider.MakeDelRuby = false;
    divider.MakeWordSize = FSettings.FMakeWordSize;
    divider.MakeLink = FSettings.FMakeLink;
    divider.MakePageNo = FSettings.FMakePageNo;
    divider.AddEncoded = FSettings.FAddEncoded;
    divider.AddTitle = FSettings.FAddTitle;
    divider.MakeFolder = false;
    divider.FDialogs = &FDialogs;
    divider.SetLines(lines);
    const bool divided = divider.Divide(folder);
    FWrittenNotes << divider.FWrittenFiles;
    if (!divided)
        error = divider.FErrorMessage;
    return divided;
}
