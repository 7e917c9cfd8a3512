#include "notes/textimport.h"

#include "app/mainservices.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/kirustringlist.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "device/playerinfo.h"
#include "notes/memodivider.h"
#include "notes/notelist.h"
#include "notes/usablename.h"
#include "platform/filecopy.h"
#include "platform/system.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr qint64 kAlwaysDivide = 4096;
constexpr qint64 kDivideWithDeclaration = 4000; // the declaration line must still fit
} // namespace

TTextImporter::TTextImporter(TKiruIPodINI &settings, IUserDialogs &dialogs, IMainServices *services)
    : FSettings(settings), FDialogs(dialogs), FServices(services)
{}

QString TTextImporter::OpenDialogFilter(TImportKind kind)
{
    switch (kind) {
    case ikNote:
        //: File dialog filter: pairs of a name and its patterns, separated by |
        return tr("全てのテキストファイル|*.TXT;*.C;*.PAS;*.CPP;|テキストファイル|*.TXT;|"
                  "ソースコードファイル|*.C;*.PAS;*.CPP;*.H;*.CS;*.BAS;*.VHD|全てのファイル(*.*)|*.*");
    case ikContact:
        //: File dialog filter: pairs of a name and its patterns, separated by |
        return tr("vCardファイル(*.VCF)|*.VCF|全てのファイル(*.*)|*.*");
    case ikCalendar:
        //: File dialog filter: pairs of a name and its patterns, separated by |
        return tr("vCalendarファイル(*.ICS)|*.ICS|全てのファイル(*.*)|*.*");
    default:
        return {};
    }
}

TImportKind TTextImporter::KindForFile(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == u"vcf"_s)
        return ikContact;
    if (ext == u"ics"_s || ext == u"vcs"_s)
        return ikCalendar;
    return ikNote;
}

void TTextImporter::SetDevice(const TPlayerInfo &device)
{
    FRoot = device.FRoot;
    FNotesDir = device.FNotesDir;
    FContactsDir = device.FContactsDir;
    FCalendarsDir = device.FCalendarsDir;
}

int TTextImporter::ImportFromDialog(TImportKind kind)
{
    const QString filter = OpenDialogFilter(kind);
    if (filter.isEmpty())
        return 0;
    int imported = 0;
    for (const QString &path : FDialogs.OpenFileNames(QString(), filter, QString(), true)) {
        if (path.isEmpty())
            continue;
        try {
            if (ImportFile(path, kind))
                ++imported;
        } catch (const ESorvoError &e) {
            FDialogs.Error(QString(), e.Message());
        }
    }
    return imported;
}

bool TTextImporter::ImportFile(const QString &path, TImportKind kind)
{
    switch (kind) {
    case ikNote:
        return ImportTextNote(path);
    case ikContact:
        return ImportContactFile(path);
    case ikCalendar:
        return ImportCalendarFile(path);
    default:
        return false;
    }
}

bool TTextImporter::ImportTextNote(const QString &path)
{
    FReplacedNotes.clear();
    TKiruStringList list;
    list.LoadFromFileEx(path, tcAuto);
    FReplacedChars = list.FReplacedChars;
    FBrokenSequences = list.FBrokenSequences;
    // A player set up by other tools may have no notes folder yet.
    if (!FRoot.isEmpty())
        MakePlayerFolder(FNotesDir, FRoot);
    const qint64 length = list.TextLength();
    bool result;
    if (length >= kAlwaysDivide || (length >= kDivideWithDeclaration && FSettings.FAddEncoded)) {
        TProgressEvent progress = FOnProgress;
        if (!progress && FServices && !FProgressRunner) {
            IMainServices *services = FServices;
            progress = [services](qint64 pos, qint64 total, const QString &msg) {
                services->ShowProgressText(int(pos), int(total), msg);
            };
        }
        TDivideReplacing replacing;
        replacing.FAsk = FAskBeforeReplacing;
        result = DivideWithDialog(FNotesDir, list, path, FSettings, FDivideDialog, progress, &FDialogs,
                                  FProgressRunner, &replacing);
        FReplacedNotes = replacing.FReplaced;
    } else {
        // The player's FAT refuses some characters other systems allow in names.
        const QString name = WindowsSafeName(BlankUnusableChars(QFileInfo(path).fileName()));
        CheckUsableFileName(name);
        const QString target = AddPathDelim(FNotesDir) + name;
        const bool replacing = QFileInfo(target).isFile();
        if (replacing && FAskBeforeReplacing &&
            FDialogs.AskYesNo(Format(tr("同名のメモ[ %s ]が既にあります。置き換えてもよろしいですか？"),
                                     {QDir::toNativeSeparators(target)})) != TDialogAnswer::Yes)
            return false;
        if (FSettings.FAddEncoded)
            list.FLines.prepend(QByteArrayLiteral("<?xml encoding=\"Shift-JIS\"?>"));
        list.SaveToFile(target);
        if (replacing)
            FReplacedNotes.append(target);
        result = true;
    }
    // Text changed on the way in is said, never silent, with the reason of each change.
    if (result && FBrokenSequences > 0)
        //: %1 is a file name, %n the number of damaged byte sequences
        FDialogs.Warning(tr("[ %1 ] はUTF-8のテキストとして読み込みました。壊れたバイト列 %n か所は「?」に"
                            "置き換えました",
                            nullptr, FBrokenSequences)
                             .arg(QFileInfo(path).fileName()));
    if (const int lacking = FReplacedChars - FBrokenSequences; result && lacking > 0)
        //: %1 is a file name, %n the number of characters replaced
        FDialogs.Warning(
            tr("[ %1 ] の %n 文字はShift-JISにない文字のため「?」に置き換えました", nullptr, lacking)
                .arg(QFileInfo(path).fileName()));
    if (result && FServices)
        FServices->LoadTabData(TTabCode::Notes);
    return result;
}

bool TTextImporter::CopyInto(const QString &path, const QString &folder, TTabCode tabCode)
{
    const QString name = QFileInfo(path).fileName();
    // Never replaces an existing file, never half-writes one, and opens only a regular file.
    const int error = IsUsableFileName(name)
                          ? CopyFileNoOverwrite(path, AddPathDelim(folder) + WindowsSafeName(name))
                          : EINVAL;
    const bool ok = error == 0;
    if (!ok)
        FDialogs.Warning(
            Format(tr("[ %s ]のコピーに失敗しました (%s)"),
                   {name, QString(SystemErrorText(error) + u": "_s + QDir::toNativeSeparators(folder))}));
    if (FServices)
        FServices->LoadTabData(tabCode);
    return ok;
}

bool TTextImporter::ImportContactFile(const QString &path)
{
    return CopyInto(path, FContactsDir, TTabCode::Contacts);
}

bool TTextImporter::ImportCalendarFile(const QString &path)
{
    return CopyInto(path, FCalendarsDir, TTabCode::Events);
}
