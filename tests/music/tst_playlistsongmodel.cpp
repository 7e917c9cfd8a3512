#include "music/playlistsongmodel.h"
#include "music/songdb.h"
#include "music/songlistmodel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstPlayListSongModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsInPlaylistOrder();
    void marksShared_data();
    void marksShared();
};

namespace {

/// Songs A, B, a video V and C (track ids 1 to 4); a playlist C, A, V, C.
struct TFixture
{
    TFixture()
    {
        const QStringList titles{u"A"_s, u"B"_s, u"V"_s, u"C"_s};
        for (int i = 0; i < titles.size(); ++i) {
            TITBSongItem &s = songs.AddNew(0);
            s.SetTitle(titles[i]);
            s.SetArtist(u"Artist"_s);
            s.FTrackID = i + 1;
            s.FIsVideo = titles[i] == u"V"_s;
        }
        list.FTrackIDs = {4, 1, 3, 4};
        songModel.Fill(songs);
        model.Fill(songs, list);
    }
    /// The song list's item of a title.
    int Item(const QString &title) const
    {
        for (int i = 0; i < songModel.Data().FRows.size(); ++i)
            if (songModel.Row(i).FTitle == title)
                return i;
        return -1;
    }

    TITBSongList songs;
    TITBPlayListData list;
    TSongListModel songModel;
    TPlayListSongModel model{songModel};
};

} // namespace

void TstPlayListSongModel::rowsInPlaylistOrder()
{
    TFixture f;
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The video is not in the song list, so not here either; C comes twice.
    QCOMPARE(f.model.rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(f.model.index(row, 0).data().toString(), QString::number(row + 1));
    QCOMPARE(f.model.index(0, 1).data().toString(), u"C"_s);
    QCOMPARE(f.model.index(1, 1).data().toString(), u"A"_s);
    QCOMPARE(f.model.index(2, 1).data().toString(), u"C"_s);
    QCOMPARE(f.model.SongItems(), (QList<int>{f.Item(u"C"_s), f.Item(u"A"_s)}));
    f.model.Clear();
    QCOMPARE(f.model.rowCount(), 0);
}

void TstPlayListSongModel::marksShared_data()
{
    QTest::addColumn<bool>("fromPlaylist");
    QTest::addRow("checked in the playlist") << true;
    QTest::addRow("checked in the song list") << false;
}

void TstPlayListSongModel::marksShared()
{
    QFETCH(bool, fromPlaylist);
    TFixture f;
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    if (fromPlaylist)
        f.model.SetItemChecked(2, true); // the second C
    else
        f.songModel.SetItemChecked(f.Item(u"C"_s), true);
    QVERIFY(f.songModel.ItemChecked(f.Item(u"C"_s)));
    QVERIFY(!f.songModel.ItemChecked(f.Item(u"A"_s)));
    QCOMPARE(f.songModel.CheckedCount(), 1);
    // Both entries of C show the mark, A's does not.
    QVERIFY(f.model.ItemChecked(0));
    QVERIFY(!f.model.ItemChecked(1));
    QVERIFY(f.model.ItemChecked(2));
    // Filled again (another playlist chosen and this one again), the marks stay the songs'.
    f.model.Fill(f.songs, f.list);
    QCOMPARE(f.songModel.CheckedCount(), 1);
    QVERIFY(f.model.ItemChecked(0));
    f.model.Clear();
    QCOMPARE(f.songModel.CheckedCount(), 1);
    f.model.Fill(f.songs, f.list);
    // Unchecking one entry unchecks the song, and so its other entry.
    f.model.SetItemChecked(0, false);
    QCOMPARE(f.songModel.CheckedCount(), 0);
    QVERIFY(!f.model.ItemChecked(2));
}

QTEST_GUILESS_MAIN(TstPlayListSongModel)
#include "tst_playlistsongmodel.moc"
