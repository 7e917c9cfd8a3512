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

// ---- scripted -----------------------------------------------------------------------------------

TDialogAnswer TScriptedDialogs::NextAnswer(const QString &kind, const QString &text, TDialogAnswer whenEmpty)
{
    FCalls.append({kind, text});
    return FAnswers.isEmpty() ? whenEmpty : FAnswers.takeFirst();
}

QStringList TScriptedDialogs::NextFiles(const QString &kind, const QString &text)
{
    FCalls.append({kind, text});
    return FFileAnswers.isEmpty() ? QStringList() : FFileAnswers.takeFirst();
}

void TScriptedDialogs::Warning(const QString &text)
{
    FCalls.append({u"warning"_s, text});
}
void TScriptedDialogs::Information(const QString &text)
{
    FCalls.append({u"information"_s, text});
}
void TScriptedDialogs::Error(const QString &title, const QString &text)
{
    FCalls.append({u"error"_s, title.isEmpty() ? text : title + u": "_s + text});
}
TDialogAnswer TScriptedDialogs::AskYesNo(const QString &text)
{
    return NextAnswer(u"yesno"_s, text, TDialogAnswer::No);
}
TDialogAnswer TScriptedDialogs::AskYesNoCancel(const QString &text)
{
    return NextAnswer(u"yesnocancel"_s, text, TDialogAnswer::Cancel);
}
TDialogAnswer TScriptedDialogs::AskOkCancel(const QString &text)
{
    return NextAnswer(u"okcancel"_s, text, TDialogAnswer::Cancel);
}
QStringList TScriptedDialogs::OpenFileNames(const QString &title, const QString &filter, const QString &,
                                            bool multiple)
{
    FOpenFilters.append(filter);
    FOpenMultiple.append(multiple);
    return NextFiles(u"open"_s, title);
}
QString TScriptedDialogs::SaveFileName(const QString &title, const QString &, const QString &,
                                       const QString &proposedPath)
{
    const QStringList answer = NextFiles(u"save"_s, title + u'|' + proposedPath);
    return answer.isEmpty() ? QString() : answer.first();
}
bool TScriptedDialogs::BrowseForFolder(QString &folder)
{
    const QStringList answer = NextFiles(u"folder"_s, folder);
    if (answer.isEmpty())
        return false;
    folder = answer.first();
    return true;
}
bool TScriptedDialogs::InputBox(const QString &caption, const QString &prompt, QString &value)
{
    const QStringList answer = NextFiles(u"input"_s, caption + u'|' + prompt);
    if (answer.isEmpty())
        return false;
    value = answer.first();
    return true;
}
void TScriptedDialogs::SetClipboardText(const QString &text)
{
    FCalls.append({u"cliptext"_s, text});
    FClipboardText = text;
}
void TScriptedDialogs::SetClipboardImage(const QImage &image)
{
    FCalls.append({u"clipimage"_s, QString()});
    FClipboardImage = image;
}
void TScriptedDialogs::ShellOpen(const QString &target)
{
    FCalls.append({u"shellopen"_s, target});
    FOpened << target;
}
QStringList TScriptedDialogs::Texts(const QString &kind) const
{
    QStringList out;
    for (const TCall &c : FCalls)
        if (c.kind == kind)
            out << c.text;
    return out;
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
    const QString line = ReadLine(u"フォルダを選択してください。 ["_s + folder + u"]: "_s);
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
