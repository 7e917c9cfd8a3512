#include "audiofilewriter.h"
#include "fixturefiles.h"
#include "tags/tagsource.h"
#include "tags/wmatagreader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

class TstWMATagReader : public QObject
{
    Q_OBJECT
private slots:
    void readsFile_data();
    void readsFile();
    void missingFileThrows();
};

namespace {
QByteArray Utf16Le(const QString &s)
{
    QByteArray b;
    for (QChar c : s) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b + QByteArray(2, '\0');
}
} // namespace

void TstWMATagReader::readsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected"); // title, author, rights, description

    QTest::addRow("description first")
        << WmaFile({WmaContentDescription(u"曲名"_s, u"Author"_s, u"(c) 2006"_s, u"説明文"_s)})
        << QStringList{u"曲名"_s, u"Author"_s, u"(c) 2006"_s, u"説明文"_s};
    QTest::addRow("description after other objects")
        << WmaFile({AsfFilePropertiesObject(), AsfFilePropertiesObject(),
                    WmaContentDescription(u"Later"_s, u"A"_s, {}, u"D"_s)})
        << QStringList{u"Later"_s, u"A"_s, QString(), u"D"_s};
    QTest::addRow("no content description")
        << WmaFile({AsfFilePropertiesObject()}) << QStringList{{}, {}, {}, {}};
    // 150 characters with the terminator are 302 bytes: too long, the author after it is still read.
    QTest::addRow("300-byte title") << WmaFile({WmaContentDescriptionRaw(
                                           {QByteArray(300, 'a'), Utf16Le(u"Author"_s), {}, {}, {}})})
                                    << QStringList{QString(), u"Author"_s, QString(), QString()};
    QTest::addRow("256-byte title is taken")
        << WmaFile({WmaContentDescriptionRaw({Utf16Le(QString(127, u'x')), Utf16Le(u"B"_s), {}, {}, {}})})
        << QStringList{QString(127, u'x'), u"B"_s, QString(), QString()};
    QTest::addRow("text ends at its zero character")
        << WmaFile({WmaContentDescriptionRaw({Utf16Le(u"ab"_s) + QByteArray(4, 'z'), {}, {}, {}, {}})})
        << QStringList{u"ab"_s, QString(), QString(), QString()};
    QByteArray cut = WmaFile({WmaContentDescription(u"Title"_s, u"Cut off author"_s, {}, {})});
    cut.truncate(30 + 34 + 12 + 6); // file ends inside the author
    QTest::addRow("file ends inside a string")
        << cut << QStringList{u"Title"_s, u"Cut"_s, QString(), QString()};
    QTest::addRow("not an ASF file") << QByteArray(500, '\x33') << QStringList{{}, {}, {}, {}};
    QTest::addRow("empty file") << QByteArray() << QStringList{{}, {}, {}, {}};
    QByteArray looping = WmaFile({AsfFilePropertiesObject(), WmaContentDescription(u"T"_s, {}, {}, {})});
    looping.replace(30 + 16, 8, QByteArray(8, '\0')); // child of size 0
    QTest::addRow("child object of size 0") << looping << QStringList{{}, {}, {}, {}};
}

void TstWMATagReader::readsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"song.wma"_s);
    QVERIFY(WriteFixtureFile(path, bytes));

    TWMATagReader reader;
    reader.FTitle = u"stale"_s;
    reader.ReadFromFile(path);
    QCOMPARE((QStringList{reader.FTitle, reader.FAuthor, reader.FRights, reader.FDescription}), expected);
}

void TstWMATagReader::missingFileThrows()
{
    QTemporaryDir dir;
    TWMATagReader reader;
    reader.FTitle = u"stale"_s;
    QVERIFY_THROWS_EXCEPTION(ETagFileOpenError, reader.ReadFromFile(dir.filePath(u"none.wma"_s)));
    QVERIFY(reader.FTitle.isEmpty());
}

QTEST_GUILESS_MAIN(TstWMATagReader)
#include "tst_wmatagreader.moc"
