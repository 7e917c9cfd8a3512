#include "platform/playerpaths.h"

#include "common/paths.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString FoldFileName(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C).toCaseFolded();
}

void TPlayerPaths::SetRoot(const QString &root)
{
    FRoot = AddPathDelim(root);
    FCanonicalRoot = root.isEmpty() ? QString() : QFileInfo(root).canonicalFilePath();
    FListings.clear();
}

const TPlayerPaths::TListing &TPlayerPaths::Listing(const QString &folder)
{
    TListing &listing = FListings[folder];
    if (!listing.listed) {
        listing.listed = true;
        const QStringList names =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &n : names) {
            listing.exact.insert(n, n);
            listing.folded.insert(FoldFileName(n), n);
        }
    }
    return listing;
}

bool TPlayerPaths::InsideRoot(const QString &path) const
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true; // nothing there to lead anywhere
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return false; // a dangling link
    return canonical == FCanonicalRoot || canonical.startsWith(AddPathDelim(FCanonicalRoot));
}

bool TPlayerPaths::Walk(const QString &folder, const QStringList &parts, qsizetype index, QString &result)
{
    if (index == parts.size()) {
        result = folder;
        return true;
    }
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    const QString &part = parts[index];
    const TListing &listing = Listing(folder);
    if (listing.exact.contains(part) && Walk(base + part, parts, index + 1, result))
        return true;
    // Several names may fold alike on a case-sensitive disk: take the first that leads on.
    const QList<QString> candidates = listing.folded.values(FoldFileName(part));
    for (qsizetype i = candidates.size() - 1; i >= 0; --i) {
        if (candidates[i] != part && Walk(base + candidates[i], parts, index + 1, result))
            return true;
    }
    return false;
}

QString TPlayerPaths::Resolve(const QString &relative)
{
    FFound = false;
    FOutside = false;
    if (FRoot.isEmpty())
        return {};
    QString rel = relative;
    rel.replace(u':', u'/');
    rel.replace(u'\\', u'/');
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    for (const QString &p : parts)
        if (p == u".."_s || p == u"."_s)
            return {};
    const QString rootFolder = FRoot.size() > 1 ? FRoot.chopped(1) : FRoot;
    QString current;
    FFound = Walk(rootFolder, parts, 0, current);
    if (!FFound) {
        // Not there: the longest existing prefix, then the rest as written.
        current = rootFolder;
        for (const QString &part : parts) {
            const QString base = current.endsWith(u'/') ? current : current + u'/';
            const TListing &listing = Listing(current);
            QString actual = listing.exact.contains(part) ? part : listing.folded.value(FoldFileName(part));
            current = base + (actual.isEmpty() ? part : actual);
        }
    }
    if (parts.isEmpty())
        current = FRoot;
    if (!InsideRoot(current)) {
        FFound = false;
        FOutside = QFileInfo::exists(current); // a link to nothing leads nowhere
        return {};
    }
    if (rel.endsWith(u'/'))
        current = AddPathDelim(current);
    return current;
}
