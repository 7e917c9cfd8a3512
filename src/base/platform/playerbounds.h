#pragma once

#include <QSet>
#include <QString>

#include <sys/types.h>

/// Where the player is on the disk, by device and inode of its root and of its folders, so that an output
/// path can be told to land in it however it is spelled: through links, in another case, or through a
/// second mount of the same file system (a bind mount).
class TPlayerBounds
{
public:
    explicit TPlayerBounds(const QString &playerRoot);

    /// True when a file or folder written at `path` (existing or still to be made, links followed) would
    /// land in the player: the folder it lands in, or a folder above it, is the player's root or one of
    /// its folders.
    bool Contains(const QString &path) const;

private:
    struct TNode
    {
        dev_t dev;
        ino_t ino;
        bool operator==(const TNode &other) const { return dev == other.dev && ino == other.ino; }
    };
    friend size_t qHash(const TNode &node, size_t seed) { return qHashMulti(seed, node.dev, node.ino); }
    void CollectFolders() const;

    QString FRoot;
    QString FRootText; // cleaned absolute path: the fallback when the root cannot be read
    bool FKnown = false;
    TNode FRootNode{};
    mutable bool FCollected = false;
    mutable QSet<TNode> FFolders;
};

/// As TPlayerBounds(playerRoot).Contains(path); false when there is no player.
bool LandsInPlayer(const QString &path, const QString &playerRoot);
