#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace {
TUiLanguage gCurrent = TUiLanguage::Japanese;
}

bool ParseUiLanguage(const QString &code, TUiLanguage &language)
{
    const QString c = code.trimmed().toLower();
    if (c == u"ja"_s) {
        language = TUiLanguage::Japanese;
        return true;
    }
    if (c == u"en"_s) {
        language = TUiLanguage::English;
        return true;
    }
    return false;
}

TUiLanguage LanguageFromEnvironment()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty())
            continue;
        // "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP@..." name Japanese; "C", "POSIX" and the rest do not.
        return value == u"ja"_s || value.startsWith(u"ja_"_s) || value.startsWith(u"ja."_s) ||
                       value.startsWith(u"ja@"_s)
                   ? TUiLanguage::Japanese
                   : TUiLanguage::English;
    }
    return TUiLanguage::English;
}

TUiLanguage ChooseUiLanguage(const QString &option, const QString &setting)
{
    TUiLanguage language;
    if (ParseUiLanguage(option, language) || ParseUiLanguage(setting, language))
        return language;
    return LanguageFromEnvironment();
}

bool InstallUiLanguage(QCoreApplication &app, TUiLanguage language)
{
    gCurrent = language;
    auto *translator = new QTranslator(&app);
    const bool loaded = language == TUiLanguage::English
                            ? translator->load(u":/i18n/sorvo_en.qm"_s)
                            : translator->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s,
                                               u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

TUiLanguage CurrentUiLanguage()
{
    return gCurrent;
}

QLocale CurrentUiLocale()
{
    return gCurrent == TUiLanguage::Japanese ? QLocale(QLocale::Japanese, QLocale::Japan)
                                             : QLocale(QLocale::English, QLocale::UnitedStates);
}
