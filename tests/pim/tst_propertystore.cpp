#include "pim/kiruvcal.h"
#include "pim/kiruvcf.h"
#include "pim/kiruvtodo.h"

#include "fixturefiles.h"
#include "notefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstPropertyStore : public QObject
{
    Q_OBJECT
private slots:
    void newContact_data();
    void newContact();
    void existingContact_data();
    void existingContact();
    void keyMatching_data();
    void keyMatching();
    void newCalendarFile_data();
    void newCalendarFile();
    void calendarValues_data();
    void calendarValues();
    void invalidMarker_data();
    void invalidMarker();
    void contactEncoding_data();
    void contactEncoding();
};

void TstPropertyStore::newContact_data()
{
    QTest::addColumn<TIpodVCF>("record");
    QTest::addColumn<QStringList>("lines");
    TIpodVCF onlyName;
    onlyName.FullName = u"山田太郎"_s;
    QTest::addRow("full name only") << onlyName
                                    << QStringList{u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:山田太郎"_s,
                                                   u"END:vcard"_s};
    TIpodVCF all{u"n"_s,  u"fn"_s, u"t"_s,  u"o"_s, u"ha"_s, u"wa"_s,
                 u"hp"_s, u"wp"_s, u"cp"_s, u"u"_s, u"e"_s,  u"c"_s};
    QTest::addRow("every field, reversed order") << all
                                                 << QStringList{u"BEGIN:vcard"_s,
                                                                u"VERSION:3.0"_s,
                                                                u"EMAIL;PREF;INTERNET:e"_s,
                                                                u"tel;type=cell:cp"_s,
                                                                u"tel;type=work:wp"_s,
                                                                u"tel;type=home:hp"_s,
                                                                u"adr;type=work;type=pref:wa"_s,
                                                                u"adr;type=home:ha"_s,
                                                                u"url;type=work:u"_s,
                                                                u"NOTE:c"_s,
                                                                u"ORG:o"_s,
                                                                u"TITLE:t"_s,
                                                                u"N:n"_s,
                                                                u"FN:fn"_s,
                                                                u"END:vcard"_s};
}

void TstPropertyStore::newContact()
{
    QFETCH(TIpodVCF, record);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.vcf"_s);
    TKiruVCF card(path);
    card.SetRecord(record);
    card.Save();
    QCOMPARE(ReadLinesFile(path), lines);
    QVERIFY(ReadFixtureFile(path).endsWith("END:vcard\r\n"));
    QCOMPARE(TKiruVCF(path).GetRecord(), record);
}

void TstPropertyStore::existingContact_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("after");
    const QStringList card{u"BEGIN:VCARD"_s, u"VERSION:2.1"_s,       u"X-OTHER:keep"_s,
                           u"NOTE:古い"_s,   u"TEL;TYPE=CELL:090"_s, u"END:VCARD"_s};
    QTest::addRow("entered values replace, key in our form")
        << card << u"新しい"_s << u"080"_s
        << QStringList{u"BEGIN:VCARD"_s, u"VERSION:2.1"_s,       u"X-OTHER:keep"_s,
                       u"NOTE:新しい"_s, u"tel;type=cell:080"_s, u"END:VCARD"_s};
    QTest::addRow("empty fields keep old values") << card << QString() << u"  "_s << card;
    QStringList other = card;
    other[4] = u"TEL;CELL:090"_s;
    QTest::addRow("other parameter form adds a line")
        << other << QString() << u"080"_s
        << QStringList{u"BEGIN:VCARD"_s, u"VERSION:2.1"_s,  u"tel;type=cell:080"_s, u"X-OTHER:keep"_s,
                       u"NOTE:古い"_s,   u"TEL;CELL:090"_s, u"END:VCARD"_s};
}

void TstPropertyStore::existingContact()
{
    QFETCH(QStringList, before);
    QFETCH(QString, note);
    QFETCH(QString, cell);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString path = WriteLinesFile(dir.path(), u"c.vcf"_s, before);
    TKiruVCF card(path);
    TIpodVCF r;
    r.Note = note;
    r.CellPhone = cell;
    card.SetRecord(r);
    card.Save();
    QCOMPARE(ReadLinesFile(path), after);
}

void TstPropertyStore::keyMatching_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addRow("case ignored") << u"TEL;TYPE=HOME:03"_s << u"tel;type=home"_s << u"03"_s;
    QTest::addRow("key trimmed, value raw") << u"FN\t: 名 前 "_s << u"fn"_s << u" 名 前 "_s;
    QTest::addRow("more parameters do not match")
        << u"TEL;TYPE=HOME,VOICE:03"_s << u"tel;type=home"_s << QString();
    QTest::addRow("other form does not match") << u"TEL;HOME:03"_s << u"tel;type=home"_s << QString();
    QTest::addRow("value after the first colon")
        << u"URL;TYPE=WORK:http://x:80/"_s << u"url;type=work"_s << u"http://x:80/"_s;
    QTest::addRow("no colon is no property") << u"FN"_s << u"fn"_s << QString();
}

void TstPropertyStore::keyMatching()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    // A second card's value never wins over the first.
    const QString path =
        WriteLinesFile(dir.path(), u"k.vcf"_s,
                       {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, line, u"END:vcard"_s, u"BEGIN:vcard"_s,
                        u"VERSION:3.0"_s, key + u":second"_s, u"END:vcard"_s});
    const TKiruVCF card(path);
    const QString got = card.GetValue(key);
    QCOMPARE(got, value.isNull() ? u"second"_s : value);
}

void TstPropertyStore::newCalendarFile_data()
{
    QTest::addColumn<bool>("task");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("event with PRIORITY 0")
        << false
        << QStringList{
               u"BEGIN:vcalender"_s,         u"VERSION:2.0"_s,  u"BEGIN:vevent"_s, u"PRIORITY:0"_s,
               u"DTSTART:20050320T091600"_s, u"SUMMARY:会議"_s, u"END:vevent"_s,   u"END:vcalender"_s};
    QTest::addRow("task, deadline twice")
        << true << QStringList{u"BEGIN:vcalender"_s,       u"VERSION:2.0"_s,
                               u"BEGIN:vtodo"_s,           u"DESCRIPTION:内容"_s,
                               u"DTEND:20050320T091600"_s, u"DTSTART:20050320T091600"_s,
                               u"SUMMARY:会議"_s,          u"END:vtodo"_s,
                               u"END:vcalender"_s};
}

void TstPropertyStore::newCalendarFile()
{
    QFETCH(bool, task);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.ics"_s);
    if (task) {
        TKiruVTodo file(path);
        file.SetRecord({u"会議"_s, u"20050320T091600"_s, u"内容"_s});
        file.Save();
        QCOMPARE(TKiruVTodo(path).GetRecord(), (TVTodoObj{u"会議"_s, u"20050320T091600"_s, u"内容"_s}));
    } else {
        TKiruVCal file(path);
        TIpodVCal r;
        r.Summary = u"会議"_s;
        r.DtStart = u"20050320T091600"_s;
        r.Priority = u"0"_s;
        file.SetRecord(r);
        file.Save();
        QCOMPARE(TKiruVCal(path).GetRecord(), r);
    }
    QCOMPARE(ReadLinesFile(path, true), lines);
    QVERIFY(ReadFixtureFile(path).contains(u"会議"_s.toUtf8()));
}

void TstPropertyStore::calendarValues_data()
{
    QTest::addColumn<QByteArray>("summaryLine");
    QTest::addColumn<QString>("read");
    QTest::addRow("UTF-8") << (QByteArray("SUMMARY:") + u"誕生日"_s.toUtf8()) << u"誕生日"_s;
    QTest::addRow("Shift-JIS reads empty") << (QByteArray("SUMMARY:") + SjisBytes(u"誕生日"_s)) << QString();
    QTest::addRow("cut sequence reads empty")
        << (QByteArray("SUMMARY:") + u"誕"_s.toUtf8().left(2)) << QString();
}

void TstPropertyStore::calendarValues()
{
    QFETCH(QByteArray, summaryLine);
    QFETCH(QString, read);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"e.ics"_s);
    WriteFixtureFile(path, "BEGIN:vcalender\r\nVERSION:2.0\r\nBEGIN:vevent\r\n" + summaryLine +
                               "\r\nDTEND:20050101T000000\r\nEND:vevent\r\nEND:vcalender\r\n");
    TKiruVCal file(path);
    QCOMPARE(file.GetValue(u"summary"_s), read);
    // Switching the end time off removes its line; an empty summary removes that line too.
    TIpodVCal r = file.GetRecord();
    r.DtEnd.clear();
    r.DtStart = u"20050101T100000"_s;
    file.SetRecord(r);
    QCOMPARE(file.FindKey(u"DTEND"_s), -1);
    QCOMPARE(file.FindKey(u"SUMMARY"_s) >= 0, !read.isEmpty());
}

void TstPropertyStore::invalidMarker_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("valid");
    QTest::addRow("standard calendar")
        << u"vcal"_s << QStringList{u"BEGIN:VCALENDAR"_s, u"VERSION:2.0"_s} << false;
    QTest::addRow("our calendar upper case")
        << u"vcal"_s << QStringList{u"BEGIN:VCALENDER"_s, u"VERSION:2.0"_s} << true;
    QTest::addRow("calendar without version") << u"vtodo"_s << QStringList{u"BEGIN:vcalender"_s} << false;
    QTest::addRow("card") << u"vcf"_s << QStringList{u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"END:VCARD"_s}
                          << true;
    QTest::addRow("card without end") << u"vcf"_s << QStringList{u"BEGIN:VCARD"_s, u"VERSION:2.1"_s} << false;
}

void TstPropertyStore::invalidMarker()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, lines);
    QFETCH(bool, valid);
    QTemporaryDir dir;
    const QString path = WriteLinesFile(dir.path(), u"f"_s, lines);
    std::unique_ptr<TKiruPropertyStore> file;
    QString marker = u"不正なVCARD Calenderファイルです"_s;
    if (kind == u"vcal"_s)
        file = std::make_unique<TKiruVCal>(path);
    else if (kind == u"vtodo"_s)
        file = std::make_unique<TKiruVTodo>(path);
    else {
        file = std::make_unique<TKiruVCF>(path);
        marker = u"不正なVCARDファイルです"_s;
    }
    QCOMPARE(file->FLines.size(), lines.size() + (valid ? 0 : 1));
    file->Save();
    QCOMPARE(ReadLinesFile(path, kind != u"vcf"_s).last() == marker, !valid);
}

void TstPropertyStore::contactEncoding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("utf8");
    const QByteArray head = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    const QByteArray tail = "END:VCARD\r\n";
    QTest::addRow("UTF-8 from a phone") << head + "FN:" + u"山田太郎"_s.toUtf8() + "\r\n" + tail << true;
    QTest::addRow("UTF-8 with byte order mark")
        << "\xEF\xBB\xBF" + head + "FN:" + u"山田太郎"_s.toUtf8() + "\r\n" + tail << true;
    QTest::addRow("declared UTF-8, ASCII values") << head + "FN;CHARSET=UTF-8:Taro\r\n" + tail << true;
    QTest::addRow("Shift-JIS") << head + "FN:" + SjisBytes(u"山田太郎"_s) + "\r\n" + tail << false;
    QTest::addRow("ASCII only") << head + "FN:Taro\r\n" + tail << false;
    // One UTF-8 line is not enough when another line is Shift-JIS.
    QTest::addRow("mixed lines") << head + "FN:" + u"山田"_s.toUtf8() + "\r\nNOTE:" + SjisBytes(u"メモ"_s) +
                                        "\r\n" + tail
                                 << false;
}

void TstPropertyStore::contactEncoding()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, utf8);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"c.vcf"_s);
    QVERIFY(WriteFixtureFile(path, file));
    TKiruVCF card(path);
    QCOMPARE(card.Utf8(), utf8);
    if (file.contains(u"山田太郎"_s.toUtf8()) || file.contains(SjisBytes(u"山田太郎"_s)))
        QCOMPARE(card.GetValue(u"fn"_s), u"山田太郎"_s);
    TIpodVCF r;
    r.Note = u"新しいメモ"_s;
    card.SetRecord(r);
    card.Save();
    const QByteArray written = ReadFixtureFile(path);
    const QByteArray note = utf8 ? u"新しいメモ"_s.toUtf8() : SjisBytes(u"新しいメモ"_s);
    QVERIFY(written.contains(QByteArray("NOTE:" + note)));
    QVERIFY(written.startsWith("BEGIN:VCARD")); // the byte order mark is not written back
    QVERIFY(!written.contains(u"不正"_s.toUtf8()) && !written.contains(SjisBytes(u"不正"_s)));
    QCOMPARE(TKiruVCF(path).GetRecord().Note, u"新しいメモ"_s);
}

QTEST_GUILESS_MAIN(TstPropertyStore)
#include "tst_propertystore.moc"
