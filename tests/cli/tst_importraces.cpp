#include "common/japanese.h"

#include "demoplayer.h"
#include "fixturefiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// Imports of divided notes run at once, or stopped by a signal, on a real sorvo-cli.
class TstImportRaces : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twoImportsOfOneNameNeverMix();
    void signalLeavesOneWholeChain_data();
    void signalLeavesOneWholeChain();

private:
    QProcess *StartImport(const QString &text);
    /// The source letter of the chain "Story" in the notes (every page from one text, every link to a
    /// page that is there, no page after the last); empty with the fault in `why` otherwise.
    QString WholeChain(QString *why) const;

    std::unique_ptr<QTemporaryDir> FDir;
    QString FRoot;
    QList<QProcess *> FRunning;
};

namespace {

// A text of `lines` lines, each naming its source by its first letter: many pages once divided.
QString WriteText(const QString &folder, char letter, int lines)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += letter + QByteArray::number(i).rightJustified(6, '0') + ' ' + QByteArray(90, letter) + "\r\n";
    const QString path = folder + u"/Story.txt"_s;
    return WriteFixtureFile(path, text) ? path : QString();
}

} // namespace

void TstImportRaces::init()
{
    qDeleteAll(FRunning);
    FRunning.clear();
    FDir = std::make_unique<QTemporaryDir>();
    FRoot = FDir->filePath(u"player/"_s);
    QCOMPARE(BuildDemoPlayer(FRoot), QString());
}

void TstImportRaces::cleanup()
{
    qDeleteAll(FRunning);
    FRunning.clear();
}

QProcess *TstImportRaces::StartImport(const QString &text)
{
    auto *process = new QProcess;
    FRunning.append(process);
    process->start(QStringLiteral(SORVO_CLI_PATH), {u"--settings"_s, FDir->filePath(u"Velmor.INI"_s),
                                                    u"--drive"_s, FRoot, u"import"_s, text});
    return process;
}

QString TstImportRaces::WholeChain(QString *why) const
{
    const QDir notes(FRoot + u"Notes/Story"_s);
    const QStringList all = notes.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    QStringList pages;
    for (const QString &name : all) {
        if (!name.startsWith(u"Story "_s)) {
            *why = u"a file other than a page: "_s + name;
            return {};
        }
        pages.append(name);
    }
    if (pages.isEmpty()) {
        *why = u"no pages"_s;
        return {};
    }
    QString letter;
    static const QRegularExpression link(u"<A HREF=\"([^\"]+)\">"_s);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (pages[i] != u"Story %1.txt"_s.arg(i + 1, 3, 10, QChar(u'0'))) {
            *why = u"page %1 is missing"_s.arg(i + 1);
            return {};
        }
        const QString text = ShiftJisToUnicode(ReadFixtureFile(notes.filePath(pages[i])));
        for (const QString &line : text.split(u"\r\n"_s, Qt::SkipEmptyParts)) {
            if (line.startsWith(u'A') || line.startsWith(u'B')) {
                if (letter.isEmpty())
                    letter = line.left(1);
                if (line.left(1) != letter) {
                    *why = u"pages of both texts: "_s + pages[i];
                    return {};
                }
            }
        }
        const QRegularExpressionMatch next = link.match(text);
        const bool last = i == pages.size() - 1;
        if (next.hasMatch() == last || (!last && next.captured(1) != pages[i + 1])) {
            *why = u"a broken link on "_s + pages[i];
            return {};
        }
    }
    return letter;
}

void TstImportRaces::twoImportsOfOneNameNeverMix()
{
    QVERIFY(QDir(FDir->path()).mkpath(u"a"_s) && QDir(FDir->path()).mkpath(u"b"_s));
    // Of different lengths, so that a mix also shows as a chain running past its end.
    const QString a = WriteText(FDir->filePath(u"a"_s), 'A', 3000);
    const QString b = WriteText(FDir->filePath(u"b"_s), 'B', 2000);
    for (int round = 0; round < 3; ++round) {
        QProcess *first = StartImport(a);
        QProcess *second = StartImport(b);
        QVERIFY(first->waitForFinished(120000) && second->waitForFinished(120000));
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(second->exitCode(), 0);
        QString why;
        QVERIFY2(!WholeChain(&why).isEmpty(), qPrintable(why));
    }
}

void TstImportRaces::signalLeavesOneWholeChain_data()
{
    QTest::addColumn<int>("afterMs"); // after the first page of the new text is being written
    QTest::addRow("at the first page") << 0;
    QTest::addRow("later") << 300;
}

void TstImportRaces::signalLeavesOneWholeChain()
{
    QFETCH(int, afterMs);
    QVERIFY(QDir(FDir->path()).mkpath(u"a"_s) && QDir(FDir->path()).mkpath(u"b"_s));
    QProcess *old = StartImport(WriteText(FDir->filePath(u"a"_s), 'A', 1500));
    QVERIFY(old->waitForFinished(120000));
    QCOMPARE(old->exitCode(), 0);
    QProcess *import = StartImport(WriteText(FDir->filePath(u"b"_s), 'B', 200000));
    QVERIFY(import->waitForStarted());
    // Once the new pages are being written: a temporary file stands in the chain's folder.
    const QDir folder(FRoot + u"Notes/Story"_s);
    QTRY_VERIFY_WITH_TIMEOUT(
        import->state() == QProcess::NotRunning ||
            !folder.entryList({u".sorvo-*"_s}, QDir::Files | QDir::Hidden | QDir::System).isEmpty(),
        60000);
    QTest::qWait(afterMs);
    // On a fast machine the import may be done already: then its new chain must be whole.
    if (import->state() != QProcess::NotRunning) {
        import->terminate(); // SIGTERM
        import->waitForFinished(120000);
    }
    QCOMPARE(import->state(), QProcess::NotRunning);
    QVERIFY2(import->exitStatus() == QProcess::NormalExit, "ended by the signal, not by the program");
    QVERIFY(import->exitCode() == 0 || import->exitCode() == 128 + 15);
    QString why;
    const QString letter = WholeChain(&why);
    QVERIFY2(!letter.isEmpty(), qPrintable(why));
    QCOMPARE(letter, import->exitCode() == 0 ? u"B"_s : u"A"_s);
}

QTEST_GUILESS_MAIN(TstImportRaces)
#include "tst_importraces.moc"
