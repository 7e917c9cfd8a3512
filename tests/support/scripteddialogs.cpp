#include "scripteddialogs.h"

using namespace Qt::Literals::StringLiterals;

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
QStringList TScriptedDialogs::OpenFileNames(const QString &title, const QString &, const QString &, bool)
{
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
