#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QSocketNotifier;
class QTimer;

/// Tells when the system's set of mounted file systems changes (a player plugged in, unmounted or pulled).
class TMountWatcher : public QObject
{
    Q_OBJECT
public:
    /// mountTable: the file that signals changes; empty for "/proc/self/mountinfo". Without one (other
    /// systems) the watcher stays silent and only NotifyChange reports.
    explicit TMountWatcher(QObject *parent = nullptr, const QString &mountTable = {});
    ~TMountWatcher() override;

    bool Watching() const { return FNotifier != nullptr; }
    /// Reports a change as the system would (used by tests and by other notification sources).
    void NotifyChange() { emit MountsChanged(); }

    /// Also reports changes of one player's root folder and marker file: a player kept in a folder can
    /// vanish (renamed, removed, its disk gone) without any change of the mount table. The file-system
    /// watcher reports at once; a check every `checkMs` catches what it misses.
    void WatchPlayer(const QString &root, const QString &marker, int checkMs = 1000);
    void StopWatchingPlayer();
    bool WatchingPlayer() const { return !FPlayerMarker.isEmpty(); }

signals:
    void MountsChanged();

private:
    void TableSignalled();
    void PlayerPathChanged();
    void CheckPlayer();

    int FFd = -1;
    QSocketNotifier *FNotifier = nullptr;
    QFileSystemWatcher *FPlayerWatcher = nullptr;
    QTimer *FPlayerTimer = nullptr;
    QString FPlayerRoot;
    QString FPlayerMarker;
    bool FPlayerMissing = false; // reported once until it is back
};
