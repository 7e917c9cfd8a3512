#include "notes/notelist.h"

#include "app/mainservices.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "notes/kirustringlist.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QStringList ListPlayerFiles(const QString &folder)
{
    QStringList files;
    if (folder.isEmpty())
        return files;
    const QDir base(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(base.relativeFilePath(it.next()));
    std::sort(files.begin(), files.end());
    return files;
}

void RemoveEmptySubFolders(const QString &folder, IUserDialogs &dialogs)
{
    const QDir base(folder);
    for (const QFileInfo &sub :
         base.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (sub.isSymLink() ||
            !QDir(sub.filePath())
                 .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            continue;
        const QString shown = QDir::toNativeSeparators(sub.filePath());
        if (dialogs.AskYesNo(Format(u"フォルダ [ %s ] が空ですので削除してもよろしいですか？"_s, {shown})) !=
            TDialogAnswer::Yes)
            continue;
        if (!base.rmdir(sub.fileName()))
            throw ESorvoError(Format(u"フォルダ[ %s ]の削除に失敗しました"_s, {shown}));
    }
}

QString NoteHeadline(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(4096);
    qsizetype end = 0;
    while (end < head.size() && head[end] != '\r' && head[end] != '\n')
        ++end;
    QByteArray line = head.left(qMin<qsizetype>(end, 16));
    // A lead byte left alone by the cut would show as a broken character.
    qsizetype i = 0;
    while (i < line.size()) {
        if (IsShiftJisLeadByte(static_cast<unsigned char>(line[i]))) {
            if (i + 1 >= line.size()) {
                line.truncate(i);
                break;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    qsizetype b = 0, e = line.size();
    while (b < e && static_cast<unsigned char>(line[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(line[e - 1]) <= 0x20)
        --e;
    return ShiftJisToUnicode(QByteArrayView(line).sliced(b, e - b));
}

TNoteCommands::TNoteCommands(const QString &notesDir, IUserDialogs &dialogs, IMainServices *services,
                             const TLagugae *messages)
    : FNotesDir(AddPathDelim(notesDir)), FDialogs(dialogs), FServices(services), FMessages(messages)
{}

QString TNoteCommands::FullPath(const TNoteRow &row) const
{
    return FNotesDir + row.FFolder + row.FFileName;
}

QList<TNoteRow> TNoteCommands::LoadNoteList()
{
    QList<TNoteRow> rows;
    for (const QString &rel : ListPlayerFiles(FNotesDir)) {
        TNoteRow row;
        const qsizetype slash = rel.lastIndexOf(u'/');
        row.FFileName = rel.mid(slash + 1);
        row.FFolder = slash < 0 ? QString() : rel.left(slash + 1);
        row.FSize = FormatNumber(double(GetFileSize64(FNotesDir + rel)), 0);
        row.FHeadline = NoteHeadline(FNotesDir + rel);
        rows.append(row);
    }
    if (FServices)
        FServices->SetStatusText(FMessages ? FMessages->GetText("MSG_LOAD_NOTE") : u"メモを読み込みました"_s);
    return rows;
}

bool TNoteCommands::DeleteSelectedNotes(const QList<TNoteRow> &selected)
{
    if (selected.isEmpty()) {
        FDialogs.Warning(u"ファイルが選択されていませんので削除できません"_s);
        return false;
    }
    QString name = selected.first().FFileName;
    if (selected.size() > 1)
        name = u'"' + name + u"\"を含む複数の選択されたファイル"_s;
    if (FDialogs.AskYesNo(Format(u"[ %s ]を削除してもよろしいですか？"_s, {name})) != TDialogAnswer::Yes)
        return false;
    for (const TNoteRow &row : selected)
        if (!DeleteFileForced(FullPath(row)))
            FDialogs.Warning(u"ファイルの削除に失敗しました"_s);
    RemoveEmptySubFolders(FNotesDir, FDialogs);
    if (FServices)
        FServices->LoadTabData(TTabCode::Notes);
    return true;
}

TMemoEditor::TMemoEditor(const QString &notesDir, IUserDialogs &dialogs)
    : FNotesDir(AddPathDelim(notesDir)), FDialogs(dialogs)
{}

void TMemoEditor::Open(const QString &path)
{
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        TKiruStringList list;
        list.LoadFromFileEx(path, tcShiftJIS);
        FMemoFileName = path;
        FText = list.UnicodeText();
    } else {
        FMemoFileName.clear();
        FText.clear();
    }
    FModified = false;
    FSaveFileName = FMemoFileName;
}

void TMemoEditor::TextChanged(const QString &text, bool windowActive)
{
    FText = text;
    if (windowActive)
        FModified = true;
}

QString TMemoEditor::Counter(const QString &text)
{
    TKiruStringList list;
    list.SetText(UnicodeToShiftJis(text));
    return Format(u"%d words "_s, {list.TextLength()});
}

QString TMemoEditor::Caption() const
{
    return Format(u"メモの編集 - [ %s ]"_s, {FMemoFileName});
}

bool TMemoEditor::New()
{
    if (FDialogs.AskYesNo(u"今までの編集結果が消去されますがよろしいですか？"_s) != TDialogAnswer::Yes)
        return false;
    FText.clear();
    FMemoFileName.clear();
    FSaveFileName.clear();
    FModified = false;
    return true;
}

void TMemoEditor::WriteTo(const QString &path)
{
    TKiruStringList list;
    list.SetText(UnicodeToShiftJis(FText));
    list.SaveToFile(path);
}

bool TMemoEditor::Save(bool saveAs)
{
    QString target;
    if (!FSaveFileName.isEmpty() && !saveAs) {
        target = FSaveFileName;
    } else {
        const QString proposed = FSaveFileName.isEmpty() ? FNotesDir : FSaveFileName;
        target = FDialogs.SaveFileName(QString(), u"全てのファイル(*.*)|*.*"_s, QString(), proposed);
        if (target.isEmpty())
            return false;
        if (QFileInfo::exists(target) &&
            FDialogs.AskYesNo(u"同名のファイルが存在します。上書きしてもよろしいですか？"_s) !=
                TDialogAnswer::Yes)
            return false;
        FSaveFileName = target;
    }
    WriteTo(target);
    FMemoFileName = target;
    FModified = false;
    FSaved = true;
    return true;
}

bool TMemoEditor::Close()
{
    if (!FModified)
        return true;
    switch (FDialogs.AskYesNoCancel(u"編集結果が保存されていません。保存して閉じますか？"_s)) {
    case TDialogAnswer::Cancel:
        return false;
    case TDialogAnswer::Yes:
        Save(false);
        return true;
    default:
        return true;
    }
}

QRect TMemoEditor::Geometry(const TKiruIPodINI &settings)
{
    return QRect(settings.FTView_X, settings.FTView_Y, settings.FTView_W, settings.FTView_H);
}

void TMemoEditor::StoreGeometry(TKiruIPodINI &settings, const QRect &rect)
{
    settings.FTView_X = rect.x();
    settings.FTView_Y = rect.y();
    settings.FTView_W = rect.width();
    settings.FTView_H = rect.height();
}
