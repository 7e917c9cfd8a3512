#pragma once

#include "app/progress.h"
#include "app/tabcode.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class IMainServices;
class IMemoDivideDialog;
class IProgressRunner;
struct TPlayerInfo;
class IUserDialogs;
class TKiruIPodINI;

/// What a file brought onto the player becomes.
enum TImportKind : int
{
    ikNote = 0,     // a text note (divided when long)
    ikContact = 1,  // a vCard copied into the contacts folder
    ikCalendar = 2, // a vCalendar file copied into the calendars folder
    ikNothing = 3,
};

/// Brings files from the PC onto the player: text files as notes, vCards and vCalendar files as copies.
class TTextImporter
{
    Q_DECLARE_TR_FUNCTIONS(TTextImporter)

public:
    TTextImporter(TKiruIPodINI &settings, IUserDialogs &dialogs, IMainServices *services);

    /// Takes the player's root and its notes, contacts and calendars folders.
    void SetDevice(const TPlayerInfo &device);
    /// The import command: the open dialog with the kind's filters (several files may be chosen), then each
    /// file in turn; an error with one file is shown and the next is still imported. Returns the number
    /// of files imported.
    int ImportFromDialog(TImportKind kind);
    /// Dispatches by kind; true when something was written.
    bool ImportFile(const QString &path, TImportKind kind);
    /// True when the note was written or the division confirmed; file errors raise ESorvoError.
    bool ImportTextNote(const QString &path);
    bool ImportContactFile(const QString &path);
    bool ImportCalendarFile(const QString &path);

    /// The open dialog filter for a kind; empty for other kinds.
    static QString OpenDialogFilter(TImportKind kind);
    /// The kind a file's extension suggests: .vcf contact, .ics/.vcs calendar, anything else a note.
    static TImportKind KindForFile(const QString &path);

    QString FNotesDir;
    QString FContactsDir;
    QString FCalendarsDir;
    /// The player root; a missing notes folder is created below it, never outside.
    QString FRoot;
    /// Runs a division in the progress window; without one it reports through FOnProgress.
    IProgressRunner *FProgressRunner = nullptr;
    /// The division settings window; without one the stored settings divide at once.
    IMemoDivideDialog *FDivideDialog = nullptr;
    /// Progress of a division; when empty the main window's status line shows it.
    TProgressEvent FOnProgress;
    /// Asks before a note of the same name is replaced (off where no one can answer: the note is then
    /// replaced, and FReplacedNotes says so).
    bool FAskBeforeReplacing = true;
    /// Notes the last ImportTextNote replaced (full paths), old chain pages it removed included.
    QStringList FReplacedNotes;
    /// Characters of the last imported text that became "?" (Shift-JIS lacks them, or broken bytes).
    int FReplacedChars = 0;
    /// Of those, the damaged byte sequences of a UTF-8 text.
    int FBrokenSequences = 0;

private:
    bool CopyInto(const QString &path, const QString &folder, TTabCode tabCode);

    TKiruIPodINI &FSettings;
    IUserDialogs &FDialogs;
    IMainServices *FServices;
};
