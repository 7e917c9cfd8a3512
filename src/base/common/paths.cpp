#include "common/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
// A bare root: "/" or a drive root such as "E:/".
bool IsBareRoot(const QString &path)
{
    if (path == u"/"_s)
        return true;
    return path.size() == 3 && path.at(1) == u':' && path.at(2) == u'/' && path.at(0).isLetter();
}

// Control characters (a line break, an escape, 0x01 from a tag) are refused by FAT and Windows too.
QString ReplaceChars(QString text, QStringView set)
{
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || set.contains(c))
            c = u' ';
    return text;
}
} // namespace

QString NormalizeFolder(const QString &folder)
{
    return AddPathDelim(folder.trimmed());
}

QString AddPathDelim(const QString &path)
{
    if (path.isEmpty() || path.endsWith(u'/'))
        return path;
    return path + u'/';
}

QString TrimPathDelim(const QString &path)
{
    QString p = path.trimmed();
    if (p.endsWith(u'/') && !IsBareRoot(p))
        p.chop(1);
    return p;
}

bool DeleteFileForced(const QString &path, QString *why)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isSymLink()) {
        if (!info.exists()) {
            if (why)
                *why = QCoreApplication::translate("Paths", "ファイルが見つかりません");
            return false;
        }
        QFile::setPermissions(path,
                              QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    }
    if (file.remove())
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

bool DeleteFolderTree(const QString &folder)
{
    const QString dirPath = TrimPathDelim(folder);
    const QFileInfo self(dirPath);
    if (self.isSymLink())
        return QFile::remove(dirPath);
    if (!self.isDir())
        return false;
    // Folder permissions are left alone: a folder the user made read-only keeps its contents.
    bool failed = false;
    const QDir dir(dirPath);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (failed)
            break;
        if (entry.isDir() && !entry.isSymLink()) {
            if (!DeleteFolderTree(entry.filePath()))
                failed = true;
        } else if (!DeleteFileForced(entry.filePath())) {
            failed = true;
        }
    }
    if (failed)
        return false;
    return QDir().rmdir(dirPath);
}

qint64 GetFileSize64(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

bool MatchExtensionList(const QString &fileName, const QString &list)
{
    const QString name = fileName.mid(fileName.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString pattern = QString(u"*"_s + (dot < 0 ? QString() : name.mid(dot).toLower())).trimmed();
    if (pattern == u"*"_s || pattern == u"*."_s)
        return false;
    const QString lower = list.toLower();
    qsizetype start = 0;
    for (;;) {
        const qsizetype semi = lower.indexOf(u';', start);
        if (semi < 0)
            return false; // a piece without a following ";" does not count
        if (QStringView(lower).mid(start, semi - start) == pattern)
            return true;
        start = semi + 1;
    }
}

QString MakeUniqueFileName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot < 0 ? name : name.left(dot);
    const QString ext = dot < 0 ? QString() : name.mid(dot);
    for (int n = 2; n <= 99; ++n) {
        const QString candidate = folder + base + u'(' + QString::number(n) + u')' + ext;
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
    return {};
}

QString ColonToPathDelim(const QString &text)
{
    QString out = text;
    out.replace(u':', u'/');
    return out;
}

QString SanitizeFileName(const QString &name)
{
    return ReplaceChars(name, u"\\?/\";:,<>*|");
}

QString SanitizeFileNameNoDot(const QString &name)
{
    return ReplaceChars(name, u"\\?/\";:,<>*|.");
}

bool IsBlankOrDotsName(QStringView name)
{
    for (const QChar c : name)
        if (c != u'.' && !c.isSpace())
            return false;
    return true;
}

namespace {
QString &ProgramFolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

void SetProgramFolder(const QString &folder)
{
    ProgramFolderOverride() = folder;
}

QString ProgramFolder()
{
    if (!ProgramFolderOverride().isEmpty())
        return AddPathDelim(ProgramFolderOverride());
    if (QCoreApplication::instance())
        return AddPathDelim(QCoreApplication::applicationDirPath());
    return AddPathDelim(QDir::currentPath());
}

QString ProgramDataFile(const QString &relativePath)
{
    const QString beside = ProgramFolder() + relativePath;
    if (QFileInfo::exists(beside))
        return beside;
#ifdef SORVO_DATA_FROM_BIN
    // An installed tree moved to another prefix (cmake --install --prefix, a package) keeps its shape.
    const QString relocated =
        QDir::cleanPath(ProgramFolder() + QStringLiteral(SORVO_DATA_FROM_BIN) + u'/' + relativePath);
    if (QFileInfo::exists(relocated))
        return relocated;
#endif
#ifdef SORVO_DATA_DIR
    const QString installed = QStringLiteral(SORVO_DATA_DIR) + u'/' + relativePath;
    if (QFileInfo::exists(installed))
        return installed;
#endif
    return beside;
}
