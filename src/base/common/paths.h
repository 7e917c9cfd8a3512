#pragma once

#include <QString>

/// Trims blanks and appends "/" unless present; empty stays empty.
QString NormalizeFolder(const QString &folder);
/// Appends "/" unless present (no trimming); empty stays empty.
QString AddPathDelim(const QString &path);
/// Trims blanks and removes one trailing "/", but leaves a bare root ("/", "E:/") as it is.
QString TrimPathDelim(const QString &path);
/// Makes the file writable and deletes it; a symbolic link is removed as a link. On failure `why`
/// receives the system's reason.
bool DeleteFileForced(const QString &path, QString *why = nullptr);
/// Deletes a folder with everything below it; links are removed, never followed. False when anything stayed.
bool DeleteFolderTree(const QString &folder);
/// Size of an existing file; 0 when there is none.
qint64 GetFileSize64(const QString &path);
/// True when "*" + the lower-cased extension equals a piece of a ";"-terminated list such as "*.txt;*.c;".
bool MatchExtensionList(const QString &fileName, const QString &list);
/// The first free "folder/base(n).ext" for n = 2..99; empty when all are taken.
QString MakeUniqueFileName(const QString &path);
/// The song database's "a:b:c.mp3" locations as "a/b/c.mp3".
QString ColonToPathDelim(const QString &text);
/// The eleven characters \ ? / " ; : , < > * | and the control characters (U+0000-U+001F, U+007F)
/// become blanks.
QString SanitizeFileName(const QString &name);
/// As SanitizeFileName, with the full stop too (folder names).
QString SanitizeFileNameNoDot(const QString &name);
/// True for a name made only of full stops and blanks, or empty ("..", " . "): as a file or folder name
/// it would be hidden, this folder or its parent, or look like nothing.
bool IsBlankOrDotsName(QStringView name);
/// Path of a file or folder next to the program.
QString ProgramFolder();
/// Makes ProgramFolder() answer `folder`: a helper program installed apart from the programs (the
/// full command set of sorvo-cli, in libexec) keeps their settings, data and work folders.
void SetProgramFolder(const QString &folder);
/// A data file the program ships (the model data, the manual): next to the program (the build tree, a
/// Windows-style folder), else in the data folder of the prefix the program is installed in, else in
/// the data folder it was built for. A path next to the program when none exists.
QString ProgramDataFile(const QString &relativePath);
