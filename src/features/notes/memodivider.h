#pragma once

#include "app/progress.h"
#include "common/kirustringlist.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <utility>

class IProgressRunner;
class IUserDialogs;
class TKiruIPodINI;

/// Where a note may be cut.
enum TMemoDivMode : int
{
    dmLine = 0,     // between lines only
    dmJapanese = 1, // after 。、！？．, or a line feed
    dmEnglish = 2,  // after . , ? ! or a line feed
    dmAnyChar = 3,  // after any character
};

/// The stored division mode ("MakeDivMode"); a value out of range divides between lines.
TMemoDivMode MemoDivModeFromSetting(int value);

/// Splits a long text into numbered, linked note files that each fit the player's note reader.
class TKiruMemoDivider
{
    Q_DECLARE_TR_FUNCTIONS(TKiruMemoDivider)

public:
    /// Replaces the text with a copy of the given lines.
    void SetLines(const TKiruStringList &lines);
    /// Writes the notes below the folder. False when line mode met a line that cannot fit any page
    /// (pages already written stay). Raises ESorvoError for an unusable title or a file error.
    bool Divide(const QString &destFolder);

    /// Text bytes one note may hold once the added lines are reserved.
    int Budget() const;
    /// "Title 001.txt" for page 1; at least three digits.
    QString PageFileName(int page) const;
    /// Drops 《ruby》 and ［annotations］ (Shift-JIS bytes in, Shift-JIS bytes out).
    QByteArray RemoveRuby(const QByteArray &text) const;

    TKiruStringList Lines;
    QString Title;
    TMemoDivMode MakeDivMode = dmLine;
    bool MakeDelRuby = false;
    int MakeWordSize = 0;
    bool MakeLink = false;
    bool MakeFolder = false;
    bool MakePageNo = false;
    bool AddEncoded = false;
    bool AddTitle = false;
    TProgressEvent OnProgress;

    /// Shows the over-long-line message when set.
    IUserDialogs *FDialogs = nullptr;
    /// Full paths of the files the last Divide wrote, in order.
    QStringList FWrittenFiles;
    /// Notes of the same name the last Divide replaced, and pages of the old chain it removed because
    /// the new one is shorter.
    QStringList FReplacedFiles;
    /// The message of a division that stopped; empty otherwise.
    QString FErrorMessage;

    /// The notes of this title that Divide(destFolder) would replace: the single note and the numbered
    /// chain already there.
    QStringList ExistingNotes(const QString &destFolder) const;

private:
    QString OutFolder(const QString &destFolder) const;
    QList<QByteArray> PageHeaders(int page) const;
    QByteArray NextLink(int page) const;
    /// Keeps a page until the whole chain is made; CommitPages writes them.
    void WritePage(const QList<QByteArray> &lines, const QString &fileName);
    void CommitPages();
    void DivideByLines(int budget);
    void DivideByChars(const QByteArray &text, int budget);
    void Report(qint64 position, qint64 total, const QString &message) const;

    QString FOutFolder;
    QList<std::pair<QString, QByteArray>> FPendingPages; // full path, bytes
};

/// The choices of the division dialog.
struct TMemoDivideOptions
{
    QString Title;
    TMemoDivMode MakeDivMode = dmLine;
    int MakeWordSize = 4050;
    bool MakeLink = true;
    bool MakeDelRuby = false;
    bool AddEncoded = true;
    bool MakePageNo = true;
    bool AddTitle = true;
    bool MakeFolder = true;
    bool EveryDisplay = true;

    static TMemoDivideOptions FromSettings(const TKiruIPodINI &settings, const QString &title);
    void StoreInto(TKiruIPodINI &settings) const;
    void ApplyTo(TKiruMemoDivider &divider) const;
};

/// The division settings window: edits the options and says whether the user confirmed.
class IMemoDivideDialog
{
public:
    virtual ~IMemoDivideDialog() = default;
    virtual bool Execute(TMemoDivideOptions &options) = 0;
};

/// Divides a text imported from a file: asks the dialog (when the settings say to show it, and one is
/// given), stores the confirmed choices in the settings and writes the notes, inside the progress window
/// when a runner is given (progress then also goes there). Returns whether confirmed.
/// With `replaced` given, asks before replacing (when its FAsk is set) and receives the notes replaced.
struct TDivideReplacing
{
    bool FAsk = false;
    QStringList FReplaced;
};
bool DivideWithDialog(const QString &destFolder, const TKiruStringList &lines, const QString &sourcePath,
                      TKiruIPodINI &settings, IMemoDivideDialog *dialog, const TProgressEvent &progress,
                      IUserDialogs *dialogs = nullptr, IProgressRunner *runner = nullptr,
                      TDivideReplacing *replacing = nullptr);
