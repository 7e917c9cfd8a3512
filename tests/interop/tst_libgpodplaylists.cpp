// Playlists of databases written by libgpod, read by Sorvo and by libgpod itself.
#include "music/itunesdbloader.h"

#include <gpod/itdb.h>

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstLibgpodPlaylists : public QObject
{
    Q_OBJECT

private slots:
    void sameAsLibgpod_data();
    void sameAsLibgpod();
};

namespace {

struct TGpodList
{
    QString name;
    QString kind;
    QStringList titles;
};

/// What libgpod reads of a database file: each playlist's name, kind and member titles in order.
QList<TGpodList> ReadWithLibgpod(const QString &path)
{
    GError *error = nullptr;
    Itdb_iTunesDB *db = itdb_parse_file(QFile::encodeName(path).constData(), &error);
    if (!db) {
        qWarning("libgpod: %s", error ? error->message : "?");
        return {};
    }
    QList<TGpodList> result;
    for (GList *p = db->playlists; p; p = p->next) {
        auto *pl = static_cast<Itdb_Playlist *>(p->data);
        TGpodList list;
        list.name = QString::fromUtf8(pl->name);
        list.kind = itdb_playlist_is_mpl(pl)        ? u"master"_s
                    : itdb_playlist_is_podcasts(pl) ? u"podcast"_s
                    : pl->is_spl                    ? u"smart"_s
                                                    : u"playlist"_s;
        for (GList *m = pl->members; m; m = m->next)
            list.titles << QString::fromUtf8(static_cast<Itdb_Track *>(m->data)->title);
        result << list;
    }
    itdb_free(db);
    return result;
}

QList<TGpodList> ReadWithSorvo(const QString &path)
{
    TITunesDBLoader loader;
    loader.LoadFromFile(path);
    QList<TGpodList> result;
    for (int i = 0; i < loader.FPlayLists.Count(); ++i) {
        const TITBPlayListData &pl = loader.FPlayLists.Items(i);
        TGpodList list{pl.FName, PlayListKindName(loader.FPlayLists, i), {}};
        for (const int song : PlayListSongIndexes(loader.FSongs, pl))
            list.titles << loader.FSongs.Items(song).Title();
        result << list;
    }
    return result;
}

Itdb_Playlist *AddList(Itdb_iTunesDB *db, const char *name, bool smart)
{
    Itdb_Playlist *pl = itdb_playlist_new(name, smart);
    if (smart)
        pl->splpref.liveupdate = FALSE; // keeps the songs stored in it as written
    itdb_playlist_add(db, pl, -1);
    return pl;
}

} // namespace

void TstLibgpodPlaylists::sameAsLibgpod_data()
{
    QTest::addColumn<int>("songs");
    QTest::addColumn<bool>("podcasts");
    QTest::addRow("small, with podcasts") << 7 << true;
    QTest::addRow("many songs, no podcasts") << 400 << false;
}

void TstLibgpodPlaylists::sameAsLibgpod()
{
    QFETCH(int, songs);
    QFETCH(bool, podcasts);
    Itdb_iTunesDB *db = itdb_new();
    Itdb_Playlist *master = AddList(db, "iPod", false);
    itdb_playlist_set_mpl(master);
    QList<Itdb_Track *> tracks;
    for (int i = 0; i < songs; ++i) {
        Itdb_Track *t = itdb_track_new();
        t->title = g_strdup(QStringLiteral("曲 %1").arg(i).toUtf8().constData());
        t->artist = g_strdup("Artist");
        t->tracklen = 1000 * (i + 1);
        t->ipod_path =
            g_strdup(QStringLiteral(":iPod_Control:Music:F00:S%1.mp3").arg(i).toUtf8().constData());
        itdb_track_add(db, t, -1);
        itdb_playlist_add_track(master, t, -1);
        tracks << t;
    }
    // Reverse order, a song twice, a Japanese name.
    Itdb_Playlist *favourites = AddList(db, "お気に入り", false);
    for (int i = songs - 1; i >= 0; i -= 2)
        itdb_playlist_add_track(favourites, tracks[i], -1);
    itdb_playlist_add_track(favourites, tracks[0], -1);
    Itdb_Playlist *smart = AddList(db, "Smart", true);
    itdb_playlist_add_track(smart, tracks[1], -1);
    itdb_playlist_add_track(smart, tracks[0], -1);
    AddList(db, "Empty", false);
    if (podcasts) {
        Itdb_Playlist *pc = AddList(db, "Podcasts", false);
        itdb_playlist_set_podcasts(pc);
        itdb_playlist_add_track(pc, tracks[2], -1);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"iTunesDB"_s);
    GError *error = nullptr;
    const bool written = itdb_write_file(db, QFile::encodeName(path).constData(), &error);
    itdb_free(db);
    QVERIFY2(written, error ? error->message : "?");

    const QList<TGpodList> expected = ReadWithLibgpod(path);
    const QList<TGpodList> got = ReadWithSorvo(path);
    QCOMPARE(got.size(), expected.size());
    QCOMPARE(got.size(), podcasts ? 5 : 4);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(got[i].name, expected[i].name);
        QCOMPARE(got[i].kind, expected[i].kind);
        QCOMPARE(got[i].titles, expected[i].titles);
    }
}

QTEST_GUILESS_MAIN(TstLibgpodPlaylists)
#include "tst_libgpodplaylists.moc"
