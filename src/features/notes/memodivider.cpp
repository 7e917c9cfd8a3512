#include "notes/memodivider.h"

#include "app/progress.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "notes/usablename.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kEncodingLine = QByteArrayLiteral("<?xml encoding=\"Shift-JIS\"?>");
constexpr int kEncodingReserve = 29; // the declaration and one byte of its line end

QByteArray Sjis(const QString &text)
{
    return UnicodeToShiftJis(text);
}

/// Length of the character at i: two bytes for a Shift-JIS lead byte with a byte after it.
int CharLength(const QByteArray &t, qsizetype i)
{
    return (IsShiftJisLeadByte(static_cast<unsigned char>(t[i])) && i + 1 < t.size()) ? 2 : 1;
}

bool IsCutChar(TMemoDivMode mode, const char *c, int len)
{
    if (len == 1) {
        if (c[0] == '\n')
            return true;
        if (mode == dmJapanese)
            return c[0] == ',';
        return c[0] == '.' || c[0] == ',' || c[0] == '?' || c[0] == '!';
    }
    if (mode != dmJapanese || static_cast<unsigned char>(c[0]) != 0x81)
        return false;
    // 、 。 ． ？ ！
    switch (static_cast<unsigned char>(c[1])) {
    case 0x41:
    case 0x42:
    case 0x44:
    case 0x48:
    case 0x49:
        return true;
    default:
        return false;
    }
}

} // namespace

void TKiruMemoDivider::SetLines(const TKiruStringList &lines)
{
    Lines.SetText(lines.Text());
}

int TKiruMemoDivider::Budget() const
{
    int budget = MakeWordSize;
    if (MakeLink)
        budget -= int(NextLink(0).size()) + 1;
    if (MakePageNo)
        budget -= int(Sjis(Format(u"【Page %d】"_s, {999})).size()) + 1;
    if (AddEncoded)
        budget -= kEncodingReserve;
    if (AddTitle)
        budget -= int(Sjis(Format(u"<Title>%s %0.3d</Title>"_s, {Title, 999})).size()) + 1;
    return budget;
}

QString TKiruMemoDivider::PageFileName(int page) const
{
    return Format(u"%s %0.3d"_s, {Title, page}) + u".txt"_s;
}

QByteArray TKiruMemoDivider::NextLink(int page) const
{
    return Sjis(Format(u"<A HREF=\"%s\">≪次へ≫</A>"_s, {PageFileName(page)}));
}

QList<QByteArray> TKiruMemoDivider::PageHeaders(int page) const
{
    QList<QByteArray> lines;
    if (MakePageNo)
        lines.append(Sjis(Format(u"【Page %d】"_s, {page})));
    if (AddEncoded)
        lines.append(kEncodingLine);
    if (AddTitle)
        lines.append(Sjis(Format(u"<Title>%s %0.3d</Title>"_s, {Title, page})));
    return lines;
}

void TKiruMemoDivider::Report(qint64 position, qint64 total, const QString &message) const
{
    if (OnProgress)
        OnProgress(position, total, message);
}

void TKiruMemoDivider::WritePage(const QList<QByteArray> &lines, const QString &fileName)
{
    FPendingPages.append({FOutFolder + fileName, JoinTextLines(lines)});
}

void TKiruMemoDivider::CommitPages()
{
    // Every page is first written whole beside its place, so a failure part-way leaves the old note
    // as it was; only then do the pages take their names, each replacing its old page at once.
    QStringList staged;
    try {
        for (const auto &[path, bytes] : std::as_const(FPendingPages)) {
            const qsizetype slash = path.lastIndexOf(u'/');
            const QString temporary = path.left(slash + 1) + u".sorvo-page-"_s + path.mid(slash + 1);
            WriteFileAtomic(temporary, bytes);
            staged.append(temporary);
        }
    } catch (...) {
        for (const QString &file : std::as_const(staged))
            QFile::remove(file);
        FPendingPages.clear();
        throw;
    }
    for (qsizetype i = 0; i < staged.size(); ++i) {
        const QString &path = FPendingPages.at(i).first;
        if (::rename(QFile::encodeName(staged.at(i)).constData(), QFile::encodeName(path).constData()) != 0) {
            const QString why = SystemErrorText(errno);
            for (qsizetype k = i; k < staged.size(); ++k)
                QFile::remove(staged.at(k));
            FPendingPages.clear();
            throw ESorvoError(Format(tr("ファイル[ %s ]に書き込めません (%s)"), {path, why}));
        }
        FWrittenFiles.append(path);
    }
    FPendingPages.clear();
}

QByteArray TKiruMemoDivider::RemoveRuby(const QByteArray &text) const
{
    // 《 》 and ［ ］ in Shift-JIS; a bracket ends only with its own closing character.
    static const QByteArray opens[] = {QByteArrayLiteral("\x81\x73"), QByteArrayLiteral("\x81\x6D")};
    static const QByteArray closes[] = {QByteArrayLiteral("\x81\x74"), QByteArrayLiteral("\x81\x6E")};
    QByteArray out;
    out.reserve(text.size());
    int inside = -1;
    qsizetype i = 0;
    while (i < text.size()) {
        Report(i + 1, text.size(), tr("ルビを除去中です"));
        const int len = CharLength(text, i);
        const QByteArrayView ch(text.constData() + i, len);
        if (inside < 0) {
            if (ch == opens[0])
                inside = 0;
            else if (ch == opens[1])
                inside = 1;
            else
                out += ch;
        } else if (ch == closes[inside]) {
            inside = -1;
        }
        i += len;
    }
    return out;
}

bool TKiruMemoDivider::Divide(const QString &destFolder)
{
    FWrittenFiles.clear();
    FErrorMessage.clear();
    CheckUsableFileName(Title);
    const int budget = Budget();
    if (MakeDelRuby)
        Lines.SetText(RemoveRuby(Lines.Text()));
    const QByteArray text = Lines.Text();
    const bool onePage = text.size() + (AddEncoded ? kEncodingReserve : 0) <= budget;

    // A line that cannot fit even an empty page is found before anything is written.
    if (!onePage && MakeDivMode == dmLine)
        for (const QByteArray &line : std::as_const(Lines.FLines))
            if (line.size() + 2 >= budget) {
                FErrorMessage = tr("行に文字を詰め込みすぎです。行によるカット処理が行えません。");
                if (FDialogs)
                    FDialogs->Warning(FErrorMessage);
                return false;
            }

    FOutFolder = OutFolder(destFolder);
    // An old chain longer than the new one loses its extra pages, which nothing would link to any more.
    FReplacedFiles.clear();
    const QStringList existing = ExistingNotes(destFolder);
    QString createdFolder;
    if (MakeFolder) {
        if (!QFileInfo::exists(FOutFolder)) {
            if (!QDir().mkdir(FOutFolder))
                throw ESorvoError(Format(tr("フォルダ[ %s ]を作成できません"), {FOutFolder}));
            createdFolder = FOutFolder;
        }
    }
    FPendingPages.clear();
    try {
        if (onePage) {
            QList<QByteArray> lines;
            if (AddEncoded)
                lines.append(kEncodingLine);
            if (AddTitle)
                lines.append(Sjis(Format(u"<Title>%s</Title>"_s, {Title})));
            lines.append(Lines.FLines);
            WritePage(lines, WindowsSafeName(Title + u".txt"_s));
        } else if (MakeDivMode == dmLine) {
            DivideByLines(budget);
        } else {
            DivideByChars(text, budget);
        }
        CommitPages();
    } catch (...) {
        // Half a chain of pages is no use on the player: what this run wrote goes again.
        for (const QString &file : std::as_const(FWrittenFiles))
            QFile::remove(file);
        FWrittenFiles.clear();
        if (!createdFolder.isEmpty())
            QDir().rmdir(createdFolder);
        throw;
    }
    for (const QString &file : existing) {
        if (FWrittenFiles.contains(file)) {
            FReplacedFiles.append(file);
        } else if (file != FOutFolder + WindowsSafeName(Title + u".txt"_s) && QFile::remove(file)) {
            FReplacedFiles.append(file); // a page of the old chain past the new one's end
        }
    }
    return true;
}

QString TKiruMemoDivider::OutFolder(const QString &destFolder) const
{
    const QString folder = AddPathDelim(TrimPathDelim(destFolder));
    return MakeFolder ? folder + WindowsSafeName(Title) + u'/' : folder;
}

QStringList TKiruMemoDivider::ExistingNotes(const QString &destFolder) const
{
    const QString out = OutFolder(destFolder);
    QStringList files;
    const QString single = out + WindowsSafeName(Title + u".txt"_s);
    if (QFileInfo(single).isFile())
        files.append(single);
    for (int page = 1; page <= 999999; ++page) {
        const QString file = out + PageFileName(page);
        if (!QFileInfo(file).isFile())
            break;
        files.append(file);
    }
    return files;
}

void TKiruMemoDivider::DivideByLines(int budget)
{
    const QString message = Format(tr("メモ[ %s ]の分割処理中"), {Title});
    const qsizetype count = Lines.FLines.size();
    int page = 1;
    qint64 used = 0;
    QList<QByteArray> out = PageHeaders(page);
    qsizetype i = 0;
    while (i < count) {
        Report(i + 1, count, message);
        const QByteArray &line = Lines.FLines.at(i);
        if (line.size() + used + 2 < budget) {
            out.append(line);
            used += line.size() + 2;
            if (i == count - 1)
                WritePage(out, PageFileName(page));
            ++i;
        } else {
            if (MakeLink)
                out.append(NextLink(page + 1));
            WritePage(out, PageFileName(page));
            ++page;
            used = 0;
            out = PageHeaders(page);
        }
    }
}

void TKiruMemoDivider::DivideByChars(const QByteArray &text, int budget)
{
    const QString message = Format(tr("メモ[ %s ]の分割処理中"), {Title});
    const qsizetype n = text.size();
    qsizetype p = 0; // next byte to read
    qsizetype s = 0; // start of the page being filled
    qsizetype k = 0; // last cut point; k <= s means none on this page yet
    qint64 used = 0; // bytes of the page being filled
    int page = 1;

    auto writePage = [&](qsizetype from, qsizetype to, bool link) {
        QList<QByteArray> out = PageHeaders(page);
        out.append(SplitTextLines(QByteArrayView(text).sliced(from, to - from)));
        if (link)
            out.append(NextLink(page + 1));
        WritePage(out, PageFileName(page));
    };

    while (p < n) {
        Report(p + 1, n, message);
        const qsizetype charStart = p;
        const int len = CharLength(text, p);
        p += len;
        if (MakeDivMode != dmAnyChar && IsCutChar(MakeDivMode, text.constData() + charStart, len))
            k = p;
        if (len + used < budget) {
            used += len;
            if (MakeDivMode == dmAnyChar)
                k = p;
            continue;
        }
        // Cut before the character that no longer fits when there is no better place (any-character
        // mode, or a run without cut characters); never leave a page without text.
        qsizetype cut = (MakeDivMode == dmAnyChar || k <= s) ? charStart : k;
        if (cut <= s)
            cut = p;
        writePage(s, cut, MakeLink);
        ++page;
        used = p - cut;
        s = cut;
        k = MakeDivMode == dmAnyChar ? p : cut;
    }
    if (s < n)
        writePage(s, n, false);
}

TMemoDivMode MemoDivModeFromSetting(int value)
{
    return value >= dmLine && value <= dmAnyChar ? TMemoDivMode(value) : dmLine;
}

TMemoDivideOptions TMemoDivideOptions::FromSettings(const TKiruIPodINI &settings, const QString &title)
{
    TMemoDivideOptions o;
    o.Title = title;
    o.MakeDivMode = MemoDivModeFromSetting(settings.FMakeDivMode);
    o.MakeWordSize = settings.FMakeWordSize;
    o.MakeLink = settings.FMakeLink;
    o.MakeDelRuby = settings.FMakeDelRuby;
    o.AddEncoded = settings.FAddEncoded;
    o.MakePageNo = settings.FMakePageNo;
    o.AddTitle = settings.FAddTitle;
    o.MakeFolder = settings.FTextDivide_MakeFolder;
    o.EveryDisplay = settings.FEveryDisplay;
    return o;
}

void TMemoDivideOptions::StoreInto(TKiruIPodINI &settings) const
{
    settings.FMakeDivMode = MakeDivMode;
    settings.FMakeWordSize = MakeWordSize;
    settings.FMakeLink = MakeLink;
    settings.FMakeDelRuby = MakeDelRuby;
    settings.FAddEncoded = AddEncoded;
    settings.FMakePageNo = MakePageNo;
    settings.FAddTitle = AddTitle;
    settings.FTextDivide_MakeFolder = MakeFolder;
    settings.FEveryDisplay = EveryDisplay;
}

void TMemoDivideOptions::ApplyTo(TKiruMemoDivider &divider) const
{
    divider.Title = Title;
    divider.MakeDivMode = MakeDivMode;
    divider.MakeWordSize = MakeWordSize;
    divider.MakeLink = MakeLink;
    divider.MakeDelRuby = MakeDelRuby;
    divider.AddEncoded = AddEncoded;
    divider.MakePageNo = MakePageNo;
    divider.AddTitle = AddTitle;
    divider.MakeFolder = MakeFolder;
}

bool DivideWithDialog(const QString &destFolder, const TKiruStringList &lines, const QString &sourcePath,
                      TKiruIPodINI &settings, IMemoDivideDialog *dialog, const TProgressEvent &progress,
                      IUserDialogs *dialogs, IProgressRunner *runner, TDivideReplacing *replacing)
{
    TMemoDivideOptions options =
        TMemoDivideOptions::FromSettings(settings, QFileInfo(sourcePath).completeBaseName());
    const bool confirmed = (options.EveryDisplay && dialog) ? dialog->Execute(options) : true;
    if (!confirmed)
        return false;
    options.StoreInto(settings);
    TKiruMemoDivider divider;
    divider.FDialogs = dialogs;
    options.ApplyTo(divider);
    divider.SetLines(lines);
    if (replacing && replacing->FAsk && dialogs) {
        const QStringList existing = divider.ExistingNotes(destFolder);
        if (!existing.isEmpty() &&
            dialogs->AskYesNo(
                Format(TKiruMemoDivider::tr("同名のメモ[ %s ]が既にあります。置き換えてもよろしいですか？"),
                       {QDir::toNativeSeparators(existing.first())})) != TDialogAnswer::Yes)
            return false;
    }
    const auto told = [&](bool divided) {
        if (replacing)
            replacing->FReplaced = divider.FReplacedFiles;
        return divided;
    };
    if (!runner) {
        divider.OnProgress = progress;
        return told(divider.Divide(destFolder));
    }
    // The window shows per mille, so long texts move the bar smoothly whatever their size.
    constexpr int kScale = 1000;
    bool divided = false;
    const QString title = Format(TKiruMemoDivider::tr("メモ[ %s ]の分割処理中"), {options.Title});
    runner->RunWithProgress(title, 0, kScale, [&](TProgressContext &context) {
        divider.OnProgress = [&](qint64 position, qint64 total, const QString &message) {
            if (total > 0)
                context.SetPosition(int(qMin(position, total) * kScale / total));
            context.SetLabel(message);
            if (progress)
                progress(position, total, message);
        };
        divided = divider.Divide(destFolder);
    });
    return told(divided);
}
