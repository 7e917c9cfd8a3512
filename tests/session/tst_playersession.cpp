#include "app/mainservices.h"
#include "app/userdialogs.h"
#include "session/playersession.h"

#include "devicefixtures.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "notefiles.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

class TstPlayerSession : public QObject
{
    Q_OBJECT
private slots:
    void recognizeLoadsSongDatabase();
    void recognizeReadsCompressedSongDatabase();
    void recognizeScansMusicFolderWithoutDatabase();
    void findPlayerReadsNoDatabase();
    void recognitionOnAWorkerThread();
    void listsReadOnceAndSignalled();
    void resetForgetsEverything();
    void sharedDatabaseOutlivesReset();

private:
    static bool MakeIPod(const QString &root, int tracks = 0, bool compressed = false);
    QString ModelFile() const { return FDir.path() + u"/none.MCD"_s; }
    QTemporaryDir FDir;
};

bool TstPlayerSession::MakeIPod(const QString &root, int tracks, bool compressed)
{
    TITunesDBWriter writer;
    for (int i = 0; i < tracks; ++i)
        writer.FTracks << TITunesDBWriter::SampleTrack(i);
    writer.AddMasterPlaylist();
    writer.FCompressed = compressed;
    if (compressed && !TouchFile(root + u"/iPod_Control/iTunes/iTunesDB"_s))
        return false;
    return writer.WriteTo(
        root + (compressed ? u"/iPod_Control/iTunes/iTunesCDB"_s : u"/iPod_Control/iTunes/iTunesDB"_s));
}

void TstPlayerSession::recognizeLoadsSongDatabase()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 5));
    QVERIFY(TouchFile(e + u"/iPod_Control/Music/F00/a.mp3"_s, 10));
    TFakeDriveTable drives;
    drives.Add(e, true, u"MYPOD"_s, 100, 50);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QSignalSpy found(&session, &TPlayerSession::playerFound);
    QSignalSpy songs(&session, &TPlayerSession::songsLoaded);
    QSignalSpy lost(&session, &TPlayerSession::playerLost);
    QVERIFY(session.Recognize());
    QVERIFY(session.Connected());
    QCOMPARE(session.Songs().Count(), 5);
    QCOMPARE(session.Player().FSongCount, 1);
    QCOMPARE(session.Player().FName, u"MYPOD"_s);
    QCOMPARE(session.Artwork().Count(), 0);
    QCOMPARE(found.size(), 1);
    QCOMPARE(songs.size(), 1);
    QVERIFY(session.Recognize()); // a second recognition does not add the songs twice
    QCOMPARE(session.Songs().Count(), 5);
    QCOMPARE(lost.size(), 1); // the first player was let go first
    QCOMPARE(found.size(), 2);
}

void TstPlayerSession::recognizeReadsCompressedSongDatabase()
{
    // A later player: the songs in iTunesCDB, iTunesDB left empty.
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 7, true));
    TFakeDriveTable drives;
    drives.Add(e, true, u"NANO"_s, 100, 50);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QVERIFY(session.Recognize());
    QCOMPARE(session.Songs().Count(), 7);
    QCOMPARE(session.Songs().Items(6).Title(), TITunesDBWriter::SampleTrack(6).strings.first().text);

    // A damaged compressed database reaches the caller as the reader's message, and no player stays.
    QByteArray damaged = ReadFixtureFile(e + u"/iPod_Control/iTunes/iTunesCDB"_s);
    damaged.truncate(damaged.size() / 2);
    QVERIFY(WriteFixtureFile(e + u"/iPod_Control/iTunes/iTunesCDB"_s, damaged));
    try {
        session.Recognize();
        QFAIL("a damaged database was read");
    } catch (const ESorvoError &error) {
        QCOMPARE(error.Message(), u"ヘッダーが不正です"_s);
    }
    QVERIFY(!session.Connected());
    QCOMPARE(session.Songs().Count(), 0);
}

void TstPlayerSession::recognizeScansMusicFolderWithoutDatabase()
{
    QTemporaryDir dir;
    const QString h10 = dir.path() + u"/H"_s;
    QVERIFY(TouchFile(h10 + u"/System/H10.mi4"_s));
    QVERIFY(TouchFile(h10 + u"/Media/Music/readme.txt"_s));
    TFakeDriveTable drives;
    drives.Add(h10, true);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QVERIFY(session.Recognize());
    QCOMPARE(int(session.Player().FKind), 6);
    QCOMPARE(session.Songs().Count(), 0); // a text file is no song
}

void TstPlayerSession::findPlayerReadsNoDatabase()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 3));
    TFakeDriveTable drives;
    drives.Add(e, true);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QSignalSpy songs(&session, &TPlayerSession::songsLoaded);
    QVERIFY(session.FindPlayer());
    QCOMPARE(session.Player().FRoot, e + u'/');
    QCOMPARE(session.Songs().Count(), 0);
    QCOMPARE(songs.size(), 0);
}

void TstPlayerSession::recognitionOnAWorkerThread()
{
    // The window recognises beside its thread and hands the result to the session afterwards.
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 4));
    TFakeDriveTable drives;
    drives.Add(e, true);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    TRecognition recognition;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { recognition = RecognizePlayer(session.Locator(), &dialogs); }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QVERIFY(!session.Connected()); // nothing changed until the session takes the result
    QVERIFY(recognition.FFound);
    QSignalSpy found(&session, &TPlayerSession::playerFound);
    session.Adopt(std::move(recognition));
    QCOMPARE(found.size(), 1);
    QCOMPARE(session.Songs().Count(), 4);
    QCOMPARE(session.Player().FRoot, e + u'/');
}

void TstPlayerSession::listsReadOnceAndSignalled()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e));
    QVERIFY(WriteFixtureFile(e + u"/Notes/a.txt"_s, "first line\r\n"));
    QVERIFY(WriteFixtureFile(e + u"/Contacts/b.vcf"_s, "BEGIN:VCARD\r\nN:Name;\r\nEND:VCARD\r\n"));
    TFakeDriveTable drives;
    drives.Add(e, true);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QVERIFY(session.Recognize());
    QVERIFY(!session.NotesLoaded());
    QSignalSpy notes(&session, &TPlayerSession::notesChanged);
    QSignalSpy contacts(&session, &TPlayerSession::contactsChanged);
    session.LoadNotes();
    session.LoadContacts();
    QVERIFY(session.NotesLoaded() && session.ContactsLoaded());
    QCOMPARE(session.Notes().size(), 1);
    QCOMPARE(session.Notes().first().FFileName, u"a.txt"_s);
    QCOMPARE(session.Contacts().size(), 1);
    QCOMPARE(notes.size(), 1);
    QCOMPARE(contacts.size(), 1);
    // A command that changed the notes folder has it read again through the session.
    QVERIFY(WriteFixtureFile(e + u"/Notes/c.txt"_s, "second\r\n"));
    session.CommandServices().LoadTabData(TTabCode::Notes);
    QCOMPARE(session.Notes().size(), 2);
    QCOMPARE(notes.size(), 2);
}

void TstPlayerSession::resetForgetsEverything()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 2));
    QVERIFY(WriteFixtureFile(e + u"/Notes/a.txt"_s, "first line\r\n"));
    TFakeDriveTable drives;
    drives.Add(e, true);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QVERIFY(session.Recognize());
    session.LoadNotes();
    QSignalSpy lost(&session, &TPlayerSession::playerLost);
    session.Reset();
    QCOMPARE(lost.size(), 1);
    QVERIFY(!session.Connected());
    QVERIFY(!session.NotesLoaded());
    QVERIFY(session.Notes().isEmpty());
    QCOMPARE(session.Songs().Count(), 0);
    QCOMPARE(int(session.Player().FKind), 0);
    session.Reset(); // nothing more to lose: no second signal
    QCOMPARE(lost.size(), 1);
}

void TstPlayerSession::sharedDatabaseOutlivesReset()
{
    // Work running beside the window keeps the database it started on, whatever the session does.
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 3));
    TFakeDriveTable drives;
    drives.Add(e, true);
    TScriptedDialogs dialogs;
    TPlayerSession session(drives, dialogs, nullptr, ModelFile());
    QVERIFY(session.Recognize());
    const std::shared_ptr<const TITunesDBLoader> songs = session.SharedSongs();
    session.Reset();
    QCOMPARE(songs->FSongs.Count(), 3);
    QCOMPARE(songs->FSongs.Items(2).Title(), TITunesDBWriter::SampleTrack(2).strings.first().text);
}

QTEST_GUILESS_MAIN(TstPlayerSession)
#include "tst_playersession.moc"
