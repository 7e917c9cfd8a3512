#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

/// The language of the program's texts. The texts are written in Japanese; English comes from the
/// translation built into the program.
enum class TUiLanguage
{
    Japanese,
    English
};

/// Reads "ja" or "en" (any case) into `language`; false when the text names neither.
bool ParseUiLanguage(const QString &code, TUiLanguage &language);

/// The language of the messages the environment asks for: LC_ALL, else LC_MESSAGES, else LANG (the
/// first one set). A Japanese locale ("ja", "ja_JP.UTF-8", ...) gives Japanese, any other English.
TUiLanguage LanguageFromEnvironment();

/// The language to use: the command line's choice, else the setting's, else the environment's. An
/// option or setting that names no language is passed over.
TUiLanguage ChooseUiLanguage(const QString &option, const QString &setting);

/// Installs the translations of `language` into the application: the program's own for English, Qt's
/// own texts (buttons of message boxes, text fields' menus) for Japanese. Returns false when a
/// translation that should be there could not be loaded; the texts then stay as written.
bool InstallUiLanguage(QCoreApplication &app, TUiLanguage language);

/// The language installed last by InstallUiLanguage (Japanese before any).
TUiLanguage CurrentUiLanguage();
/// The locale of names the window takes from Qt (days of the week, months) in that language.
QLocale CurrentUiLocale();
