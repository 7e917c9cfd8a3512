#pragma once

#include <QObject>

#include <functional>

class IUserDialogs;

/// Runs a command of a window so that no error crosses the event loop: the message of an error it raises
/// is shown in an error box and the window stays usable. Returns false when the command failed.
bool RunGuarded(IUserDialogs &dialogs, const std::function<void()> &command);

/// Counts the long operations running on the user-interface thread, so that device changes and tab
/// switches wait until they have ended.
class TBusyState : public QObject
{
    Q_OBJECT
public:
    static TBusyState &Instance();
    bool Busy() const { return FDepth > 0; }
    void Enter() { ++FDepth; }
    void Leave();

signals:
    /// The last running operation has ended.
    void Idle();

private:
    int FDepth = 0;
};

/// Marks a scope as a long operation.
class TBusyScope
{
public:
    TBusyScope() { TBusyState::Instance().Enter(); }
    ~TBusyScope() { TBusyState::Instance().Leave(); }
    TBusyScope(const TBusyScope &) = delete;
    TBusyScope &operator=(const TBusyScope &) = delete;
};
