#pragma once

#include <QHash>
#include <QString>

/// Finds files below a player's root the way the player's own file systems do: names compared without
/// regard to case or Unicode normalisation. Each folder is listed once per lookup run; call Clear() when
/// the run ends. A location leaving the root ("..", or a link to outside) resolves to empty.
class TPlayerPaths
{
public:
    explicit TPlayerPaths(const QString &root = {}) { SetRoot(root); }
    void SetRoot(const QString &root);
    const QString &Root() const { return FRoot; }

    /// The path of a "/"- or ":"-separated location below the root. When a component is not found the
    /// rest is appended as written, so the result names a file that does not exist.
    QString Resolve(const QString &relative);
    /// True when the location resolves to an existing file or folder.
    bool Exists(const QString &relative) { return !Resolve(relative).isEmpty() && Found(); }
    /// Whether the last Resolve found every component.
    bool Found() const { return FFound; }
    /// Whether the last Resolve gave empty because the location names something on the player that is a
    /// link to something outside the root (a link to nothing is missing; a ".." names nothing there).
    bool LeadsOutside() const { return FOutside; }
    /// Drops the folder listings.
    void Clear() { FListings.clear(); }

private:
    struct TListing
    {
        bool listed = false;
        QHash<QString, QString> exact;       // name -> name
        QMultiHash<QString, QString> folded; // case-folded NFC name -> names on disk
    };
    const TListing &Listing(const QString &folder);
    bool InsideRoot(const QString &path) const;
    /// Resolves parts[index..] below folder; false when some component is missing.
    bool Walk(const QString &folder, const QStringList &parts, qsizetype index, QString &result);

    QString FRoot;          // with trailing "/"
    QString FCanonicalRoot; // symbolic links resolved
    QHash<QString, TListing> FListings;
    bool FFound = false;
    bool FOutside = false;
};

/// The key names are compared by: NFC, then case folding.
QString FoldFileName(const QString &name);
