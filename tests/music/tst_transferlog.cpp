#include "music/transferlog.h"

#include "app/userdialogs.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"
#include "music/songdb.h"
#include "platform/system.h"
#include "scripteddialogs.h"

#include "fixturefiles.h"
#include "markingtranslator.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstTransferLog : public QObject
{
    Q_OBJECT

private slots:
    void errorText_data();
    void errorText();
    void threeFailedAmongTen();
    void proposedName_data();
    void proposedName();
    void saveAs();
    void unwritableFile();
    void translatedWindowKeepsFileTexts();
};

namespace {

TITBSongList TenSongs()
{
    TITBSongList songs;
    for (int i = 0; i < 10; ++i) {
        TITBSongItem &s = songs.AddNew(0);
        s.SetTitle(u"曲%1"_s.arg(i));
        s.SetArtist(u"歌手%1"_s.arg(i));
        s.FIsVideo = i == 8;
    }
    return songs;
}

/// A copy of the ten in which three are listed: two failed, one copied without its tags.
TCopyReport Report()
{
    TCopyReport report;
    for (int i = 0; i < 10; ++i)
        report.FOutcomes.append(TCopyOutcome{i, u"/out/%1.mp3"_s.arg(i), 0, {}});
    report.FOutcomes[2] = TCopyOutcome{2, {}, -2, {}};
    report.FOutcomes[5].FNote = u"タグを書き込めませんでした"_s;
    report.FOutcomes[8] = TCopyOutcome{8, {}, ENOSPC, {}};
    report.FOutcomes.append(TCopyOutcome{42, {}, -2, {}}); // an entry the list does not hold is left out
    return report;
}

} // namespace

void TstTransferLog::errorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addRow("-3") << -3 << "出力先の容量が足りません";
    QTest::addRow("-2") << -2 << "データファイルが存在しません";
    QTest::addRow("-1") << -1 << "何らかの理由でデータ転送できません";
    QTest::addRow("0") << 0 << "エラーは起きていません";
    QTest::addRow("system") << int(ENOENT) << SystemErrorText(ENOENT);
}

void TstTransferLog::errorText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QVERIFY(!text.isEmpty());
    QCOMPARE(TransferErrorText(code), text);
}

void TstTransferLog::threeFailedAmongTen()
{
    const QList<TTransferLogRow> rows = TransferLogRows(TenSongs(), Report());
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).FNumber, u"1"_s);
    QCOMPARE(rows.at(0).FTitle, u"曲2"_s);
    QCOMPARE(rows.at(1).FErrorText, u"タグを書き込めませんでした"_s);
    QCOMPARE(rows.at(2).FNumber, u"3"_s);
    QCOMPARE(rows.at(2).FArtist, u"歌手8"_s); // videos are listed too
    QCOMPARE(TransferLogLines(rows), (QStringList{u"1 :「曲2」(歌手2) - データファイルが存在しません"_s,
                                                  u"2 :「曲5」(歌手5) - タグを書き込めませんでした"_s,
                                                  u"3 :「曲8」(歌手8) - "_s + SystemErrorText(ENOSPC)}));
}

void TstTransferLog::proposedName_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addRow("Japanese") << "ja_JP"
                              << "転送失敗ログ(2024-05-01).TXT";
    QTest::addRow("US") << "en_US"
                        << "転送失敗ログ(5-1-24).TXT";
}

void TstTransferLog::proposedName()
{
    QFETCH(QString, locale);
    QFETCH(QString, name);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    const QString actual = TransferLogFileName(QDate(2024, 5, 1));
    QLocale::setDefault(saved);
    QCOMPARE(actual, name);
}

void TstTransferLog::saveAs()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"log.TXT"_s);
    TScriptedDialogs dialogs;
    const QList<TTransferLogRow> rows = TransferLogRows(TenSongs(), Report());
    QVERIFY(!SaveTransferLogAs(rows, dialogs, QDate(2024, 5, 1), dir.path())); // cancelled
    QVERIFY(!QFileInfo::exists(path));
    dialogs.FFileAnswers = {{path}};
    QVERIFY(SaveTransferLogAs(rows, dialogs, QDate(2024, 5, 1), dir.path()));
    const QByteArray bytes = ReadFixtureFile(path);
    QCOMPARE(bytes.count("\r\n"), 3);
    QVERIFY(bytes.startsWith(UnicodeToShiftJis(u"1 :「曲2」(歌手2) - データファイルが存在しません\r\n")));
    QVERIFY(dialogs.Texts(u"save"_s).first().contains(u"転送失敗ログ("_s));
    // Never into the player the songs came from.
    const QString player = dir.filePath(u"player"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"player"_s));
    dialogs.FFileAnswers = {{player + u"/log.TXT"_s}};
    QVERIFY_THROWS_EXCEPTION(ESorvoError, SaveTransferLogAs(rows, dialogs, QDate(2024, 5, 1), dir.path(), player));
    QVERIFY(!QFileInfo::exists(player + u"/log.TXT"_s));
}

void TstTransferLog::unwritableFile()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, SaveTransferLog(TransferLogRows(TenSongs(), Report()),
                                                          dir.filePath(u"missing/folder/log.TXT"_s)));
}

void TstTransferLog::translatedWindowKeepsFileTexts()
{
    TCopyReport report = Report();
    report.FOutcomes[5].FShownNote = u"Copied without tags"_s;
    TMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const TITBSongList songs = TenSongs();
    TTransferLogModel model;
    model.Fill(songs, report);
    const QStringList lines = TransferLogLines(model.Rows());
    const QStringList shownLines = TransferLogLines(model.ShownRows());
    const QString shownError = model.index(0, 3).data().toString();
    const QString shownNote = model.index(1, 3).data().toString();
    const QString header = model.headerData(3, Qt::Horizontal).toString();
    const QString fileError = TransferErrorText(-2);
    const QString shownCode = ShownTransferErrorText(-2);
    QCoreApplication::removeTranslator(&translator);

    // The window speaks the chosen language ...
    QCOMPARE(shownError, u"EN:データファイルが存在しません"_s);
    QCOMPARE(shownNote, u"Copied without tags"_s);
    QCOMPARE(shownCode, u"EN:データファイルが存在しません"_s);
    QCOMPARE(header, u"EN:エラー状況"_s);
    QCOMPARE(shownLines, (QStringList{u"1 :「曲2」(歌手2) - EN:データファイルが存在しません"_s,
                                      u"2 :「曲5」(歌手5) - Copied without tags"_s,
                                      u"3 :「曲8」(歌手8) - "_s + SystemErrorText(ENOSPC)}));
    // ... while the saved log keeps its Japanese texts.
    QCOMPARE(fileError, u"データファイルが存在しません"_s);
    QCOMPARE(lines, (QStringList{u"1 :「曲2」(歌手2) - データファイルが存在しません"_s,
                                 u"2 :「曲5」(歌手5) - タグを書き込めませんでした"_s,
                                 u"3 :「曲8」(歌手8) - "_s + SystemErrorText(ENOSPC)}));
}

QTEST_GUILESS_MAIN(TstTransferLog)
#include "tst_transferlog.moc"
