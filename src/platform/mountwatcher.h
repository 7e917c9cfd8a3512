#pragma once

#include <QObject>

class QSocketNotifier;

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

signals:
    void MountsChanged();

private:
    void TableSignalled();
    int FFd = -1;
    QSocketNotifier *FNotifier = nullptr;
};
