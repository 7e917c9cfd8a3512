#include "app/commandline.h"
#include "app/language.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

TCommandLine TCommandLine::Parse(const QStringList &arguments)
{
    TCommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (optionsEnded) {
            line.positional << a;
            continue;
        }
        const auto value = [&](const QString &name) -> QString {
            const QString prefix = name + u'=';
            if (a.startsWith(prefix))
                return a.mid(prefix.size());
            if (i + 1 < arguments.size())
                return arguments[++i];
            line.error = QCoreApplication::translate("TCommandLine", "%1 には値が必要です").arg(name);
            return {};
        };
        if (a == u"--"_s)
            optionsEnded = true;
        else if (a == u"--help"_s || a == u"-h"_s)
            line.help = true;
        else if (a == u"--version"_s)
            line.version = true;
        else if (a.compare(u"-debug"_s, Qt::CaseInsensitive) == 0)
            line.debug = true;
        else if (a == u"--yes"_s || a == u"-y"_s)
            line.assumeYes = true;
        else if (a == u"--json"_s)
            line.json = true;
        else if (a == u"--drive"_s || a.startsWith(u"--drive="_s)) {
            const QString v = value(u"--drive"_s);
            if (!v.isEmpty())
                line.drives << v;
        } else if (a == u"--settings"_s || a.startsWith(u"--settings="_s))
            line.settingsFile = value(u"--settings"_s);
        else if (a == u"--lang"_s || a.startsWith(u"--lang="_s)) {
            line.language = value(u"--lang"_s);
            TUiLanguage language;
            if (line.error.isEmpty() && !ParseUiLanguage(line.language, language))
                line.error =
                    QCoreApplication::translate("TCommandLine", "--lang には ja か en を指定してください");
        } else
            line.positional << a; // commands read their own options from here
    }
    return line;
}

QStringList TCommandLine::FromArgv(int argc, char **argv)
{
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}
