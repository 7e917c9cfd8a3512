#include "notes/notelist.h"

#include "app/mainservices.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/kirustringlist.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "notes/shiftjisloss.h"
#include "notes/usablename.h"
#include "platform/regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString DecodeNoteText(QByteArrayView bytes, int *encoding, bool *byteOrderMark)
{
    const int detected = TKiruStringList::DetectEncoding(bytes);
    const bool mark =
        bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xEF\xBB\xBF");
    int code = tcShiftJIS;
    QString text;
    if (detected == tcUTF16LE || detected == tcUTF16BE) {
        code = detected;
        QStringDecoder decoder(detected == tcUTF16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = decoder(mark ? bytes.sliced(2) : bytes);
    } else if (detected == tcUTF8) {
        code = tcUTF8;
        text = QString::fromUtf8(mark ? bytes.sliced(3) : bytes);
    } else {
        text = ShiftJisToUnicode(bytes);
    }
    if (encoding)
        *encoding = code;
    if (byteOrderMark)
        *byteOrderMark = code != tcShiftJIS && mark;
    return text;
}

QString NoteHeadline(const QString &path)
{
    QFile file;
    if (!OpenRegularFile(file, path))
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

bool IsUnicodeNote(int encoding)
{
    return encoding == tcUTF8 || encoding == tcUTF16LE || encoding == tcUTF16BE;
}

TNoteSummary SummariseNote(const QString &path)
{
    TNoteSummary summary;
    summary.FSize = GetFileSize64(path);
    QFile file;
    if (!OpenRegularFile(file, path))
        return summary;
    const QByteArray head = file.read(4096);
    const int detected = TKiruStringList::DetectEncoding(head);
    // A note too large to read whole is summed up by its first line, as a Shift-JIS note is.
    if (!IsUnicodeNote(detected) || file.size() > kTextFileLimit) {
        file.close();
        summary.FHeadline = NoteHeadline(path);
        return summary;
    }
    // A note in Unicode: the headline decoded, and its length in characters rather than bytes.
    const QByteArray bytes = head + file.readAll();
    int encoding = tcShiftJIS;
    const QString text = DecodeNoteText(bytes, &encoding);
    if (encoding == tcShiftJIS) { // the start looked like Unicode, the whole does not
        summary.FHeadline = NoteHeadline(path);
        return summary;
    }
    QStringView line(text);
    const qsizetype end = line.indexOf(QRegularExpression(u"[\r\n]"_s));
    if (end >= 0)
        line = line.first(end);
    // At most 16 bytes as the player's Shift-JIS counts them, as for any other note.
    QString cut;
    int bytesUsed = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype len = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const int width = int(qMax<qsizetype>(1, UnicodeToShiftJis(line.sliced(i, len)).size()));
        if (bytesUsed + width > 16)
            break;
        bytesUsed += width;
        cut += line.sliced(i, len);
        i += len - 1;
    }
    summary.FHeadline = cut.trimmed();
    summary.FSize = text.toUcs4().size();
    return summary;
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
        const TNoteSummary summary = SummariseNote(FNotesDir + rel);
        row.FSize = FormatNumber(double(summary.FSize), 0);
        row.FHeadline = summary.FHeadline;
        rows.append(row);
    }
    if (FServices)
        FServices->SetStatusText(FMessages ? FMessages->GetText("MSG_LOAD_NOTE")
                                           : tr("メモを読み込みました"));
    return rows;
}

bool TNoteCommands::DeleteSelectedNotes(const QList<TNoteRow> &selected)
{
    if (selected.isEmpty()) {
        FDialogs.Warning(tr("ファイルが選択されていませんので削除できません"));
        return false;
    }
    QString name = selected.first().FFileName;
    if (selected.size() > 1)
        //: %1 is the first of the selected file names
        name = tr("\"%1\"を含む複数の選択されたファイル").arg(name);
    if (FDialogs.AskYesNo(Format(tr("[ %s ]を削除してもよろしいですか？"), {name})) != TDialogAnswer::Yes)
        return false;
    for (const TNoteRow &row : selected)
        if (!DeleteFileForced(FullPath(row)))
            FDialogs.Warning(tr("ファイルの削除に失敗しました"));
    RemoveEmptySubFolders(FNotesDir, FDialogs);
    if (FServices)
        FServices->LoadTabData(TTabCode::Notes);
    return true;
}

namespace {
/// Lines as the editor shows them: CR LF, LF and CR all end a line; the last line break is implied.
QString ShownText(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

/// Characters of a proposed note name: enough to tell notes apart in the player's list.
constexpr qsizetype kProposedNameLength = 32;
} // namespace

TMemoEditor::TMemoEditor(const QString &notesDir, IUserDialogs &dialogs)
    : FNotesDir(AddPathDelim(notesDir)), FDialogs(dialogs)
{}

void TMemoEditor::Open(const QString &path)
{
    FEncoding = tcShiftJIS;
    FByteOrderMark = false;
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        const QByteArray bytes = ReadWholeFile(path);
        // Notes other programs wrote in Unicode would show as garbage and be saved back as garbage.
        FText = ShownText(DecodeNoteText(bytes, &FEncoding, &FByteOrderMark));
        FMemoFileName = path;
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

namespace {
/// The editor's text as the lines a note holds: every line break ends a line, and the last line is
/// written with a break of its own, so a load and save keep the text as it was.
QStringList EditorLines(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

/// The editor's text with CR LF after every line, as the file holds it.
QString FileText(const QString &text)
{
    QString joined;
    for (const QString &line : EditorLines(text))
        joined += line + u"\r\n"_s;
    return joined;
}
} // namespace

QString TMemoEditor::Counter() const
{
    // The figure the notes list shows for the saved note: its bytes, or its characters in Unicode.
    const qint64 count = IsUnicodeNote(FEncoding) ? FileText(FText).toUcs4().size() : EncodedText().size();
    //: The note editor's counter; %1 is the number of characters
    return tr("文字数 %1").arg(FormatNumber(double(count), 0));
}

QString TMemoEditor::Caption() const
{
    //: The note editor's window title; %s is the note's file
    return Format(tr("メモの編集 - [ %s ]"), {FMemoFileName});
}

bool TMemoEditor::New()
{
    if (FDialogs.AskYesNo(tr("今までの編集結果が消去されますがよろしいですか？")) != TDialogAnswer::Yes)
        return false;
    FText.clear();
    FMemoFileName.clear();
    FSaveFileName.clear();
    FModified = false;
    return true;
}

QByteArray TMemoEditor::EncodedText() const
{
    const QString joined = FileText(FText);
    switch (FEncoding) {
    case tcUTF8:
        return (FByteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + joined.toUtf8();
    case tcUTF16LE:
    case tcUTF16BE: {
        QStringEncoder encoder(FEncoding == tcUTF16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               FByteOrderMark ? QStringConverter::Flag::WriteBom
                                              : QStringConverter::Flag::Default);
        return encoder(joined);
    }
    default:
        return UnicodeToShiftJis(joined);
    }
}

void TMemoEditor::WriteTo(const QString &path)
{
    WriteFileAtomic(path, EncodedText());
}

QString TMemoEditor::ProposedFileName() const
{
    // The first line that says something, as one name the player's file system takes.
    QString line;
    for (const QString &l : EditorLines(FText)) {
        line = BlankUnusableChars(l).simplified();
        if (!line.isEmpty())
            break;
    }
    if (line.size() > kProposedNameLength) {
        qsizetype cut = kProposedNameLength;
        if (line.at(cut - 1).isHighSurrogate())
            --cut; // never half a character
        line = line.left(cut).trimmed();
    }
    line = WindowsSafeName(line);
    if (!IsUsableFileName(line) || line == u"_"_s)
        //: The name a new note is proposed under when its first line gives none
        line = tr("メモ");
    return line + u".txt"_s;
}

QStringList TMemoEditor::LostCharacters() const
{
    return IsUnicodeNote(FEncoding) ? QStringList() : ShiftJisMissingCharacters(FileText(FText));
}

bool TMemoEditor::Save(bool saveAs)
{
    FWentBack = false;
    // Said before anything is chosen or written, so the user can still change the text.
    const QStringList lost = LostCharacters();
    if (!ConfirmShiftJisSave(FDialogs, lost)) {
        FWentBack = true;
        return false;
    }
    QString target;
    if (!FSaveFileName.isEmpty() && !saveAs) {
        target = FSaveFileName;
    } else {
        // A new note is proposed under its first line, as a text file the player lists.
        const QString proposed = FSaveFileName.isEmpty() ? FNotesDir + ProposedFileName() : FSaveFileName;
        if (FSaveFileName.isEmpty() && !FRoot.isEmpty())
            MakePlayerFolder(FNotesDir, FRoot); // the dialog starts there
        // The question below is the only one about overwriting.
        target = FDialogs.SaveFileNameNoOverwriteQuestion(QString(), tr("全てのファイル(*.*)|*.*"), QString(),
                                                          proposed);
        if (target.isEmpty())
            return false;
        // The player lists only notes with an extension.
        if (QFileInfo(target).suffix().isEmpty())
            target += u".txt"_s;
        if (QFileInfo::exists(target) &&
            FDialogs.AskYesNo(tr("同名のファイルが存在します。上書きしてもよろしいですか？")) !=
                TDialogAnswer::Yes)
            return false;
        FSaveFileName = target;
    }
    WriteTo(target);
    FMemoFileName = target;
    FModified = false;
    FSaved = true;
    // The editor shows what the player now holds, "?" where characters were lost.
    if (!lost.isEmpty())
        FText = ShownText(DecodeNoteText(ReadWholeFile(target)));
    return true;
}

bool TMemoEditor::Close()
{
    if (!FModified)
        return true;
    switch (FDialogs.AskYesNoCancel(tr("編集結果が保存されていません。保存して閉じますか？"))) {
    case TDialogAnswer::Cancel:
        return false;
    case TDialogAnswer::Yes:
        // Going back to change the characters Shift-JIS lacks keeps the window open.
        Save(false);
        return !FWentBack;
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
