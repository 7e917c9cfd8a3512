#pragma once

// A main window with the real tabs over a player in a temporary folder, for the tab tests.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/playerpage.h"
#include "fakedrivetable.h"
#include "mainform/mainform.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "session/playersession.h"

#include "itunesdbwriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

/// A standard iPod (songs database with one song, notes folder) at `root` and a PC drive holding the
/// temporary folder; the test adds its own files before `Open`.
struct TTabFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher{nullptr, QStringLiteral("/nonexistent/mountinfo")};
    QString settingsFile;
    QString root;
    std::unique_ptr<TMainForm> form;

    TTabFixture()
    {
        settingsFile = dir.filePath(QStringLiteral("Velmor.INI"));
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.Save();
        root = dir.filePath(QStringLiteral("player"));
        QDir().mkpath(root + QStringLiteral("/Notes"));
        drives.Add(root, true, QStringLiteral("IPOD"), qint64(30) << 30, qint64(1536) << 20);
        drives.Add(dir.path(), false, QStringLiteral("PC"), qint64(100) << 30, qint64(50) << 30);
    }

    /// Writes the song database: one song followed by `tracks`.
    void WriteSongs(const QList<TITDBTrack> &tracks = {})
    {
        TITunesDBWriter db;
        db.FTracks.append(TITunesDBWriter::SampleTrack(1));
        db.FTracks.append(tracks);
        db.AddMasterPlaylist();
        db.WriteTo(root + QStringLiteral("/iPod_Control/iTunes/iTunesDB"));
    }

    /// Builds the window with its pages, recognises the player and shows `page` (which reads its list).
    void Open(int page)
    {
        TMainFormSetup setup;
        setup.settingsFile = settingsFile;
        setup.driveTable = &drives;
        setup.dialogs = &dialogs;
        setup.progress = &progress;
        setup.watcher = &watcher;
        setup.modelFile = QStringLiteral(SORVO_SOURCE_DIR "/data/Velmor.MCD");
        setup.manualFile = dir.filePath(QStringLiteral("manual/index.html"));
        form = std::make_unique<TMainForm>(setup);
        form->resize(640, 480);
        form->show();
        if (!QTest::qWaitFor([&] { return !form->PlayerPage()->RecognitionPending(); }))
            qWarning("recognition did not end");
        // A page whose button the player does not show is shown all the same.
        if (!form->ShowTab(page))
            form->ShowPage(page);
    }

    TPlayerSession &Session() const { return form->Session(); }

    template <class T> T *Find(const QString &name) const { return form->findChild<T *>(name); }
};
