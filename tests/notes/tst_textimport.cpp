#include "notes/textimport.h"
#include "platform/system.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/sorvoerror.h"

#include "fixturefiles.h"
#include "notefiles.h"
#include "notes/memodivider.h"
#include "recordingservices.h"
#include "scripteddialogs.h"
#include "smalldisk.h"
#include <cerrno>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

/// ASCII text whose lines with their CR LF add up to exactly size bytes.
QByteArray TextOfSize(int size)
{
    QByteArray out;
    while (size - out.size() > 101) {
        out += QByteArray(98, 'x') + "\r\n";
    }
    const int rest = size - int(out.size());
    if (rest == 101)
        out += QByteArray(49, 'y') + "\r\n" + QByteArray(48, 'y') + "\r\n";
    else if (rest >= 2)
        out += QByteArray(rest - 2, 'y') + "\r\n";
    return out;
}

class TCountingDialog : public IMemoDivideDialog
{
public:
    bool Execute(TMemoDivideOptions &) override
    {
        ++FShown;
        return false;
    }
    int FShown = 0;
};

struct TPlayer
{
    TPlayer()
    {
        QDir root(dir.path());
        root.mkpath(u"Notes"_s);
        root.mkpath(u"Contacts"_s);
        root.mkpath(u"Calendars"_s);
        root.mkpath(u"pc"_s);
        importer.FNotesDir = dir.filePath(u"Notes/"_s);
        importer.FContactsDir = dir.filePath(u"Contacts/"_s);
        importer.FCalendarsDir = dir.filePath(u"Calendars/"_s);
        importer.FDivideDialog = &divideDialog;
    }
    QString Pc(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(u"pc/"_s + name);
        WriteFixtureFile(path, bytes);
        return path;
    }
    QTemporaryDir dir;
    TKiruIPodINI settings{dir.filePath(u"Velmor.INI"_s)};
    TScriptedDialogs dialogs;
    TRecordingServices services;
    TCountingDialog divideDialog;
    TTextImporter importer{settings, dialogs, &services};
};

} // namespace

class TstTextImport : public QObject
{
    Q_OBJECT
private slots:
    void thresholds_data();
    void thresholds();
    void noteNames_data();
    void noteNames();
    void divideWithoutDialog();
    void copies_data();
    void copies();
    void failedWriteKeepsNote_data();
    void failedWriteKeepsNote();
    void undividableTextFails();
    void changedTextSaid_data();
    void changedTextSaid();
};

void TstTextImport::thresholds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("addEncoded");
    QTest::addColumn<bool>("divided");
    QTest::addRow("3999 with declaration") << TextOfSize(3999) << true << false;
    QTest::addRow("3999 without") << TextOfSize(3999) << false << false;
    QTest::addRow("4000 with declaration") << TextOfSize(4000) << true << true;
    QTest::addRow("4000 without") << TextOfSize(4000) << false << false;
    QTest::addRow("4095 without") << TextOfSize(4095) << false << false;
    QTest::addRow("4096 without") << TextOfSize(4096) << false << true;
    // UTF-16 of 6000 bytes is 3000 bytes of Shift-JIS: measured after conversion.
    QTest::addRow("UTF-16 measured converted")
        << Utf16Bytes(QString::fromLatin1(TextOfSize(3000)), false) << false << false;
    QTest::addRow("UTF-16 long enough after conversion")
        << Utf16Bytes(QString::fromLatin1(TextOfSize(4096)), true) << false << true;
}

void TstTextImport::thresholds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, addEncoded);
    QFETCH(bool, divided);
    TPlayer p;
    p.settings.FAddEncoded = addEncoded;
    const QString source = p.Pc(u"memo.txt"_s, bytes);
    const bool result = p.importer.ImportFile(source, ikNote);
    QCOMPARE(p.divideDialog.FShown, divided ? 1 : 0);
    QCOMPARE(result, !divided); // the division dialog answers Cancel here
    QCOMPARE(p.services.FLoadedTabs, divided ? QList<int>{} : QList<int>{0});
    const QString note = p.importer.FNotesDir + u"memo.txt"_s;
    QCOMPARE(QFileInfo::exists(note), !divided);
    if (!divided) {
        const QByteArray written = ReadFixtureFile(note);
        const QByteArray declaration = "<?xml encoding=\"Shift-JIS\"?>\r\n";
        QCOMPARE(written.startsWith(declaration), addEncoded);
        QCOMPARE(written.size(), (addEncoded ? declaration.size() : 0) +
                                     (bytes.startsWith("\xFF\xFE") ? 3000 : bytes.size()));
    }
}

void TstTextImport::noteNames_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("note");
    QTest::addRow("extension kept") << u"source.c"_s << u"source.c"_s;
    QTest::addRow("refused characters become blanks") << u"a:b*c?.txt"_s << u"a b c .txt"_s;
    QTest::addRow("Japanese name") << u"日記.TXT"_s << u"日記.TXT"_s;
}

void TstTextImport::noteNames()
{
    QFETCH(QString, source);
    QFETCH(QString, note);
    TPlayer p;
    p.settings.FAddEncoded = false;
    QVERIFY(p.importer.ImportFile(p.Pc(source, SjisBytes(u"本文\r\n"_s)), ikNote));
    QCOMPARE(QDir(p.importer.FNotesDir).entryList(QDir::Files), QStringList{note});
    QCOMPARE(ReadLinesFile(p.importer.FNotesDir + note), QStringList{u"本文"_s});
}

void TstTextImport::divideWithoutDialog()
{
    TPlayer p;
    p.settings.FEveryDisplay = false;
    QVERIFY(p.importer.ImportFile(p.Pc(u"長文.txt"_s, TextOfSize(9000)), ikNote));
    QCOMPARE(p.divideDialog.FShown, 0);
    const QStringList pages = QDir(p.importer.FNotesDir + u"長文"_s).entryList(QDir::Files, QDir::Name);
    QCOMPARE(pages.first(), u"長文 001.txt"_s);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(p.services.FLoadedTabs, QList<int>{0});
    QVERIFY(!p.services.FProgressTexts.isEmpty());
}

void TstTextImport::copies_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("reload");
    QTest::addRow("new contact") << 1 << u"a.vcf"_s << false << 1;
    QTest::addRow("existing contact refused") << 1 << u"a.vcf"_s << true << 1;
    QTest::addRow("new calendar") << 2 << u"e.ics"_s << false << 2;
    QTest::addRow("existing calendar refused") << 2 << u"e.ics"_s << true << 2;
}

void TstTextImport::copies()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QFETCH(int, reload);
    TPlayer p;
    const QString folder = kind == 1 ? p.importer.FContactsDir : p.importer.FCalendarsDir;
    if (exists)
        WriteFixtureFile(folder + name, "old");
    QCOMPARE(p.importer.ImportFile(p.Pc(name, "new"), TImportKind(kind)), !exists);
    QCOMPARE(ReadFixtureFile(folder + name), exists ? QByteArray("old") : QByteArray("new"));
    QCOMPARE(p.dialogs.Texts(u"warning"_s),
             exists ? QStringList{u"[ %1 ]のコピーに失敗しました (%2: %3)"_s.arg(
                          name, SystemErrorText(EEXIST), QDir::toNativeSeparators(folder))}
                    : QStringList{});
    QCOMPARE(p.services.FLoadedTabs, QList<int>{reload});

    TPlayer q;
    QVERIFY(!q.importer.ImportFile(q.Pc(name, "x"), ikNothing));
    QVERIFY(q.services.FLoadedTabs.isEmpty());
}

void TstTextImport::failedWriteKeepsNote_data()
{
    QTest::addColumn<bool>("realDisk");
    QTest::addRow("write fails midway") << false;
    QTest::addRow("full file system") << true;
}

void TstTextImport::failedWriteKeepsNote()
{
    QFETCH(bool, realDisk);
    TPlayer p;
    TSmallDisk disk(256 * 1024);
    if (realDisk) {
        if (!disk.Mounted())
            QSKIP("a small file system can only be mounted by root");
        p.importer.FNotesDir = disk.Path() + u'/';
    }
    const QString note = p.importer.FNotesDir + u"memo.txt"_s;
    QVERIFY(WriteFixtureFile(note, "old note\r\n"));
    const QString source = p.Pc(u"memo.txt"_s, TextOfSize(3000));
    std::unique_ptr<TWriteFailure> failure;
    if (realDisk)
        disk.Fill();
    else
        failure = std::make_unique<TWriteFailure>(1000);
    p.dialogs.FAnswers = {TDialogAnswer::Yes}; // replace the note of the same name
    QVERIFY_THROWS_EXCEPTION(ESorvoError, p.importer.ImportFile(source, ikNote));
    failure.reset();
    QCOMPARE(ReadFixtureFile(note), QByteArray("old note\r\n"));
    QCOMPARE(FolderEntries(p.importer.FNotesDir),
             (realDisk ? QStringList{u"filler"_s, u"memo.txt"_s} : QStringList{u"memo.txt"_s}));
}

void TstTextImport::undividableTextFails()
{
    TPlayer p;
    p.settings.FEveryDisplay = false;
    p.settings.FMakeDivMode = dmLine;
    QVERIFY(!p.importer.ImportFile(p.Pc(u"長文.txt"_s, TextOfSize(5000) + QByteArray(5000, 'x') + "\r\n"),
                                   ikNote));
    QCOMPARE(FolderEntries(p.importer.FNotesDir), QStringList{});
}

void TstTextImport::changedTextSaid_data()
{
    // Every change on the way in is said with its own reason.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("warnings");
    const QString broken = u"[ t.txt ] はUTF-8のテキストとして読み込みました。壊れたバイト列 %1 か所は「?」に"
                           u"置き換えました"_s;
    const QString lacking = u"[ t.txt ] の %1 文字はShift-JISにない文字のため「?」に置き換えました"_s;
    QTest::addRow("UTF-8 with a broken byte") << (u"買い物"_s.toUtf8() + "\xFF" + u"メモ\r\n"_s.toUtf8())
                                              << u"買い物?メモ"_s << QStringList{broken.arg(1)};
    QTest::addRow("broken bytes and characters Shift-JIS lacks")
        << (u"絵文字😀と한국"_s.toUtf8() + "\x80" + u"の文\r\n"_s.toUtf8()) << u"絵文字?と???の文"_s
        << QStringList{broken.arg(1), lacking.arg(3)};
    QTest::addRow("Shift-JIS read as it is")
        << SjisBytes(u"買い物メモ\r\n"_s) << u"買い物メモ"_s << QStringList{};
}

void TstTextImport::changedTextSaid()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, note);
    QFETCH(QStringList, warnings);
    TPlayer p;
    p.settings.FAddEncoded = false;
    QVERIFY(p.importer.ImportFile(p.Pc(u"t.txt"_s, bytes), ikNote));
    QCOMPARE(ReadLinesFile(p.importer.FNotesDir + u"t.txt"_s), QStringList{note});
    QCOMPARE(p.dialogs.Texts(u"warning"_s), warnings);
}

QTEST_GUILESS_MAIN(TstTextImport)
#include "tst_textimport.moc"
