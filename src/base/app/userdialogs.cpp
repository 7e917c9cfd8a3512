#include "app/userdialogs.h"

#include <QTextStream>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define SORVO_ISATTY _isatty
#else
#include <unistd.h>
#define SORVO_ISATTY isatty
#endif

using namespace Qt::Literals::StringLiterals;

QString FilterToQt(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        QString caption = parts[i];
        // Captions often already show their patterns; Qt wants them in parentheses at the end.
        if (!caption.endsWith(u')'))
            caption += u" ("_s + patterns + u')';
        out << caption;
    }
    return out.join(u";;"_s);
}

// ---- console ------------------------------------------------------------------------------------

static void PrintErr(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QString TConsoleDialogs::ReadLine(const QString &prompt)
{
    const QByteArray bytes = prompt.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    QTextStream in(stdin);
    return in.readLine().trimmed();
}

TDialogAnswer TConsoleDialogs::Ask(const QString &text, const QString &choices)
{
    if (FAssumeYes) {
        PrintErr(text + u" -> y"_s);
        return choices.contains(u'o') && !choices.contains(u'y') ? TDialogAnswer::Ok : TDialogAnswer::Yes;
    }
    if (!SORVO_ISATTY(0)) {
        PrintErr(text + u" -> n"_s);
        return choices.contains(u'c') ? TDialogAnswer::Cancel : TDialogAnswer::No;
    }
    for (;;) {
        const QString line = ReadLine(text + u" ["_s + choices + u"] "_s).toLower();
        if (line.isEmpty() && !std::feof(stdin))
            continue;
        const QChar c = line.isEmpty() ? u'n' : line.at(0);
        if (c == u'y' && choices.contains(u'y'))
            return TDialogAnswer::Yes;
        if (c == u'o' && choices.contains(u'o'))
            return TDialogAnswer::Ok;
        if (c == u'c' && choices.contains(u'c'))
            return TDialogAnswer::Cancel;
        if (c == u'n')
            return choices.contains(u'n') ? TDialogAnswer::No : TDialogAnswer::Cancel;
    }
}

void TConsoleDialogs::Warning(const QString &text)
{
    PrintErr(text);
}
void TConsoleDialogs::Information(const QString &text)
{
    PrintErr(text);
}
void TConsoleDialogs::Error(const QString &title, const QString &text)
{
    PrintErr(title.isEmpty() ? text : title + u": "_s + text);
}
TDialogAnswer TConsoleDialogs::AskYesNo(const QString &text)
{
    return Ask(text, u"y/n"_s);
}
TDialogAnswer TConsoleDialogs::AskYesNoCancel(const QString &text)
{
    return Ask(text, u"y/n/c"_s);
}
TDialogAnswer TConsoleDialogs::AskOkCancel(const QString &text)
{
    return Ask(text, u"o/c"_s);
}

QStringList TConsoleDialogs::OpenFileNames(const QString &title, const QString &, const QString &, bool)
{
    if (!SORVO_ISATTY(0))
        return {};
    const QString line = ReadLine(title + u": "_s);
    return line.isEmpty() ? QStringList() : QStringList{line};
}
QString TConsoleDialogs::SaveFileName(const QString &title, const QString &, const QString &,
                                      const QString &proposedPath)
{
    if (FAssumeYes || !SORVO_ISATTY(0))
        return FAssumeYes ? proposedPath : QString();
    const QString line = ReadLine(title + u" ["_s + proposedPath + u"]: "_s);
    return line.isEmpty() ? proposedPath : line;
}
bool TConsoleDialogs::BrowseForFolder(QString &folder)
{
    if (!SORVO_ISATTY(0))
        return false;
    //: Console prompt; %1 is the folder taken when the answer is empty
    const QString line = ReadLine(tr("フォルダを選択してください。 [%1]: ").arg(folder));
    if (!line.isEmpty())
        folder = line;
    return !folder.isEmpty();
}
bool TConsoleDialogs::InputBox(const QString &caption, const QString &prompt, QString &value)
{
    if (!SORVO_ISATTY(0))
        return false;
    value = ReadLine(caption + u" - "_s + prompt + u": "_s);
    return true;
}
void TConsoleDialogs::SetClipboardText(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}
void TConsoleDialogs::SetClipboardImage(const QImage &) {}
void TConsoleDialogs::ShellOpen(const QString &target)
{
    PrintErr(target);
}
