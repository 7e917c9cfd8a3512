#pragma once

#include "device/playerfiles.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QStringList>

class IMainServices;
class IUserDialogs;
class TKiruIPodINI;
class TLagugae;

/// One row of the notes list.
struct TNoteRow
{
    QString FFileName; // "ファイル名"
    QString FSize;     // "文字数": bytes with thousands separators (characters for a Unicode note)
    QString FFolder;   // "フォルダ": relative, ending in "/"; empty in the notes folder itself
    QString FHeadline; // "内容"
    bool operator==(const TNoteRow &) const = default;
};

/// The first line's first 16 bytes, trimmed; a double-byte character cut by the 16th byte is dropped.
QString NoteHeadline(const QString &path);
/// A note's text in whatever encoding it is in (Shift-JIS, UTF-8 or UTF-16, with or without a byte order
/// mark); `encoding` receives tcShiftJIS, tcUTF8, tcUTF16LE or tcUTF16BE.
QString DecodeNoteText(QByteArrayView bytes, int *encoding = nullptr, bool *byteOrderMark = nullptr);

/// UTF-8 and UTF-16 notes are measured in characters, the others in bytes.
bool IsUnicodeNote(int encoding);

/// What the notes list shows of one note's content.
struct TNoteSummary
{
    qint64 FSize = 0;  // bytes; characters for a note in UTF-8 or UTF-16
    QString FHeadline; // "内容"
};
/// The size and headline of a note; a note in Unicode is decoded first.
TNoteSummary SummariseNote(const QString &path);

/// The notes tab without its widgets: list rows and deletion.
class TNoteCommands
{
    Q_DECLARE_TR_FUNCTIONS(TNoteCommands)

public:
    TNoteCommands(const QString &notesDir, IUserDialogs &dialogs, IMainServices *services,
                  const TLagugae *messages);
    /// Rows in listing order; shows the loaded message.
    QList<TNoteRow> LoadNoteList();
    /// Deletes the selected rows after asking, cleans empty sub-folders and reloads. False when
    /// nothing was selected or the user said No.
    bool DeleteSelectedNotes(const QList<TNoteRow> &selected);
    /// Notes folder + folder column + file name column.
    QString FullPath(const TNoteRow &row) const;

private:
    QString FNotesDir;
    IUserDialogs &FDialogs;
    IMainServices *FServices;
    const TLagugae *FMessages;
};

/// The note editor's decisions without its widgets: file, flags, caption, questions, counter, geometry.
class TMemoEditor
{
    Q_DECLARE_TR_FUNCTIONS(TMemoEditor)

public:
    TMemoEditor(const QString &notesDir, IUserDialogs &dialogs);

    /// Loads an existing file; any other path starts a new note. A note in UTF-8, UTF-16 or JIS is shown
    /// decoded and later saved in that encoding; anything else is read and written as Shift-JIS.
    void Open(const QString &path);
    /// The text field changed; only changes while the window is active mark the note modified.
    void TextChanged(const QString &text, bool windowActive);
    /// "文字数 N": the size the notes list shows once the note is saved.
    QString Counter() const;
    QString Caption() const;

    /// New: asks always; on Yes the text is cleared. Returns whether it was cleared.
    bool New();
    /// Save (saveAs false) or Save as; true when written. Write errors raise ESorvoError, flags untouched.
    /// A text in Shift-JIS that loses characters is saved only after the user agreed, and then FText
    /// becomes the text as written.
    bool Save(bool saveAs);
    /// The file name a new note's save box proposes: its first line, made a usable name, with ".txt".
    QString ProposedFileName() const;
    /// The characters of the text that the note's encoding cannot hold.
    QStringList LostCharacters() const;
    /// Close: false when the window stays open (Cancel).
    bool Close();

    /// The window rectangle kept in the settings.
    static QRect Geometry(const TKiruIPodINI &settings);
    static void StoreGeometry(TKiruIPodINI &settings, const QRect &rect);

    QString FText;
    QString FMemoFileName;
    QString FSaveFileName; // the save dialog's current file name
    bool FModified = false;
    bool FSaved = false;
    /// The encoding the note is written in (tcShiftJIS, tcUTF8, tcUTF16LE, tcUTF16BE or tcJIS).
    int FEncoding = 1;
    /// The note began with a byte order mark (UTF-8 or UTF-16), which a save keeps.
    bool FByteOrderMark = false;
    /// The player root: a missing notes folder is created below it before a new note is saved.
    QString FRoot;
    /// The last Save stopped because the user chose to change characters Shift-JIS lacks.
    bool FWentBack = false;

    /// The text as the note's file holds it, in FEncoding with CR LF line ends.
    QByteArray EncodedText() const;

private:
    void WriteTo(const QString &path);
    QString FNotesDir;
    IUserDialogs &FDialogs;
};
