#include "notes/notelist.h"

#include "app/messages.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/kirustringlist.h"
#include "common/sorvoerror.h"
#include "fixturefiles.h"
#include "notefiles.h"
#include "recordingservices.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

using TAnswers = QList<TDialogAnswer>;

class TstNoteList : public QObject
{
    Q_OBJECT
private slots:
    void rows();
    void unicodeRows_data();
    void unicodeRows();
    void headline_data();
    void headline();
    void deletion_data();
    void deletion();
    void counter_data();
    void counter();
    void editorOpen();
    void editorNew_data();
    void editorNew();
    void editorSave_data();
    void editorSave();
    void editorClose_data();
    void editorClose();
    void geometry();
    void makePlayerFolder_data();
    void makePlayerFolder();
};

void TstNoteList::rows()
{
    QTemporaryDir dir;
    const QString notes = dir.filePath(u"Notes/"_s);
    QDir().mkpath(notes);
    TScriptedDialogs dialogs;
    TRecordingServices services;
    TLagugae messages;
    TNoteCommands commands(notes, dialogs, &services, &messages);
    QVERIFY(commands.LoadNoteList().isEmpty());
    QCOMPARE(services.FStatusTexts, QStringList{u"メモを読み込みました"_s});

    WriteFixtureFile(notes + u"T/T 001.txt"_s,
                     SjisBytes(u"【Page 1】\r\n本文\r\n"_s) + QByteArray(2000, 'x'));
    WriteFixtureFile(notes + u"top.txt"_s, "first line\r\nsecond\r\n");
    const QList<TNoteRow> rows = commands.LoadNoteList();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0), (TNoteRow{u"T 001.txt"_s, FormatNumber(2018), u"T/"_s, u"【Page 1】"_s}));
    QCOMPARE(rows.at(1), (TNoteRow{u"top.txt"_s, u"20"_s, QString(), u"first line"_s}));
    QCOMPARE(commands.FullPath(rows.at(0)), notes + u"T/T 001.txt"_s);
}

void TstNoteList::unicodeRows_data()
{
    const QString text = u"日本語のメモ\r\n二行目\r\n"_s;
    QStringEncoder le(QStringConverter::Utf16LE), be(QStringConverter::Utf16BE);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("size");
    QTest::addRow("UTF-8") << text.toUtf8() << u"13"_s;
    QTest::addRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << u"13"_s;
    QTest::addRow("UTF-16LE with mark") << QByteArray("\xFF\xFE") + QByteArray(le(text)) << u"13"_s;
    QTest::addRow("UTF-16BE without mark") << QByteArray(be(text)) << u"13"_s;
    QTest::addRow("Shift-JIS counts bytes") << SjisBytes(text) << u"22"_s;
}

void TstNoteList::unicodeRows()
{
    // Readable headlines whatever the encoding, the length in characters for Unicode, and a FIFO among
    // the notes neither listed nor waited on.
    QFETCH(QByteArray, bytes);
    QFETCH(QString, size);
    QTemporaryDir dir;
    const QString notes = dir.filePath(u"Notes/"_s);
    QDir().mkpath(notes);
    WriteFixtureFile(notes + u"n.txt"_s, bytes);
    QVERIFY(::mkfifo(QFile::encodeName(notes + u"pipe.txt"_s).constData(), 0600) == 0);
    TScriptedDialogs dialogs;
    TNoteCommands commands(notes, dialogs, nullptr, nullptr);
    const QList<TNoteRow> rows = commands.LoadNoteList();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0), (TNoteRow{u"n.txt"_s, size, QString(), u"日本語のメモ"_s}));
}

void TstNoteList::headline_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("headline");
    QTest::addRow("short") << QByteArray("abc\r\nxyz") << u"abc"_s;
    QTest::addRow("cut at 16 bytes") << QByteArray("0123456789abcdefghij") << u"0123456789abcdef"_s;
    QTest::addRow("16th byte a lead byte")
        << (QByteArray(15, 'a') + SjisBytes(u"漢字"_s)) << QString(15, u'a');
    QTest::addRow("double-byte fits") << SjisBytes(u"あいうえおかきくけ"_s) << u"あいうえおかきく"_s;
    QTest::addRow("trimmed after the cut") << QByteArray(" \t  text        tail") << u"text"_s;
    QTest::addRow("empty file") << QByteArray() << QString();
}

void TstNoteList::headline()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, headline);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"n.txt"_s);
    WriteFixtureFile(path, bytes);
    QCOMPARE(NoteHeadline(path), headline);
}

void TstNoteList::deletion_data()
{
    QTest::addColumn<QStringList>("selected"); // folder column + file name
    QTest::addColumn<TAnswers>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("left");
    QTest::addRow("nothing selected") << QStringList{} << TAnswers{} << QStringList{}
                                      << QStringList{u"T/T 001.txt"_s, u"a.txt"_s, u"b.txt"_s};
    QTest::addRow("three notes, one question")
        << QStringList{u"a.txt"_s, u"b.txt"_s, u"T/T 001.txt"_s}
        << TAnswers{TDialogAnswer::Yes, TDialogAnswer::No}
        << QStringList{u"[ \"a.txt\"を含む複数の選択されたファイル ]を削除してもよろしいですか？"_s,
                       u"フォルダ [ %1 ] が空ですので削除してもよろしいですか？"_s}
        << QStringList{};
    QTest::addRow("last note of a divided text, folder removed")
        << QStringList{u"T/T 001.txt"_s} << TAnswers{TDialogAnswer::Yes, TDialogAnswer::Yes}
        << QStringList{u"[ T 001.txt ]を削除してもよろしいですか？"_s,
                       u"フォルダ [ %1 ] が空ですので削除してもよろしいですか？"_s}
        << QStringList{u"a.txt"_s, u"b.txt"_s};
    QTest::addRow("answered No") << QStringList{u"a.txt"_s} << TAnswers{TDialogAnswer::No}
                                 << QStringList{u"[ a.txt ]を削除してもよろしいですか？"_s}
                                 << QStringList{u"T/T 001.txt"_s, u"a.txt"_s, u"b.txt"_s};
}

void TstNoteList::deletion()
{
    QFETCH(QStringList, selected);
    QFETCH(TAnswers, answers);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, left);
    QTemporaryDir dir;
    const QString notes = dir.filePath(u"Notes/"_s);
    for (const QString &f : {u"a.txt"_s, u"b.txt"_s, u"T/T 001.txt"_s})
        WriteFixtureFile(notes + f, "x\r\n");
    TScriptedDialogs dialogs;
    dialogs.FAnswers = answers;
    TRecordingServices services;
    TNoteCommands commands(notes, dialogs, &services, nullptr);
    QList<TNoteRow> rows;
    for (const QString &s : selected) {
        const qsizetype slash = s.lastIndexOf(u'/');
        rows.append({s.mid(slash + 1), QString(), slash < 0 ? QString() : s.left(slash + 1), QString()});
    }
    commands.DeleteSelectedNotes(rows);
    for (QString &q : questions)
        if (q.contains(u"%1"_s))
            q = q.arg(QDir::toNativeSeparators(notes + u"T"_s));
    QCOMPARE(dialogs.Texts(u"yesno"_s), questions);
    if (selected.isEmpty())
        QCOMPARE(dialogs.Texts(u"warning"_s),
                 QStringList{u"ファイルが選択されていませんので削除できません"_s});
    QCOMPARE(ListPlayerFiles(notes), left);
    const bool folderAsked = questions.size() > 1;
    QCOMPARE(QDir(notes + u"T"_s).exists(),
             !(folderAsked && answers.value(1, TDialogAnswer::No) == TDialogAnswer::Yes));
    QCOMPARE(services.FLoadedTabs,
             answers.value(0, TDialogAnswer::No) == TDialogAnswer::Yes ? QList<int>{0} : QList<int>{});
}

void TstNoteList::counter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("counter");
    QTest::addRow("empty") << QString() << int(tcShiftJIS) << u"文字数 0"_s;
    QTest::addRow("ten letters, bytes with the line end")
        << u"abcdefghij"_s << int(tcShiftJIS) << u"文字数 12"_s;
    QTest::addRow("double-byte and two lines") << u"あ\nb"_s << int(tcShiftJIS) << u"文字数 7"_s;
    QTest::addRow("UTF-8 counts characters") << u"あ\nb"_s << int(tcUTF8) << u"文字数 6"_s;
    QTest::addRow("UTF-16 counts characters") << u"日本語"_s << int(tcUTF16LE) << u"文字数 5"_s;
    QTest::addRow("thousands") << QString(1200, u'x') << int(tcShiftJIS) << u"文字数 1,202"_s;
}

void TstNoteList::counter()
{
    QFETCH(QString, text);
    QFETCH(int, encoding);
    QFETCH(QString, counter);
    TScriptedDialogs dialogs;
    TMemoEditor editor(QString(), dialogs);
    editor.FText = text;
    editor.FEncoding = encoding;
    editor.FByteOrderMark = IsUnicodeNote(encoding);
    QCOMPARE(editor.Counter(), counter);
    // The same figure as the notes list shows for the saved file.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"n.txt"_s);
    QVERIFY(WriteFixtureFile(path, editor.EncodedText()));
    QCOMPARE(u"文字数 "_s + FormatNumber(double(SummariseNote(path).FSize), 0), counter);
}

void TstNoteList::editorOpen()
{
    QTemporaryDir dir;
    const QString path = WriteLinesFile(dir.path(), u"m.txt"_s, {u"メモ"_s, u"二行目"_s});
    TScriptedDialogs dialogs;
    TMemoEditor editor(dir.path(), dialogs);
    editor.Open(path);
    editor.TextChanged(editor.FText, false); // the load's own change
    QCOMPARE(editor.FText, u"メモ\n二行目"_s);
    QCOMPARE(editor.Caption(), u"メモの編集 - [ %1 ]"_s.arg(path));
    QVERIFY(editor.Close());
    QVERIFY(dialogs.FCalls.isEmpty());

    editor.Open(dir.filePath(u"missing.txt"_s));
    QVERIFY(editor.FMemoFileName.isEmpty() && editor.FText.isEmpty());
    QCOMPARE(editor.Caption(), u"メモの編集 - [  ]"_s);
}

void TstNoteList::editorNew_data()
{
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addRow("Yes clears") << TDialogAnswer::Yes;
    QTest::addRow("No keeps") << TDialogAnswer::No;
}

void TstNoteList::editorNew()
{
    QFETCH(TDialogAnswer, answer);
    QTemporaryDir dir;
    const QString path = WriteLinesFile(dir.path(), u"m.txt"_s, {u"text"_s});
    TScriptedDialogs dialogs;
    dialogs.FAnswers = {answer};
    TMemoEditor editor(dir.path(), dialogs);
    editor.Open(path);
    QCOMPARE(editor.New(), answer == TDialogAnswer::Yes);
    QCOMPARE(dialogs.Texts(u"yesno"_s), QStringList{u"今までの編集結果が消去されますがよろしいですか？"_s});
    QCOMPARE(editor.FText.isEmpty(), answer == TDialogAnswer::Yes);
    QCOMPARE(editor.FMemoFileName.isEmpty(), answer == TDialogAnswer::Yes);
}

void TstNoteList::editorSave_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<QStringList>("dialogFile");
    QTest::addColumn<TAnswers>("answers");
    QTest::addColumn<QString>("written"); // file name expected to hold the text; empty: nothing written
    QTest::addRow("save a named note") << true << false << QStringList{} << TAnswers{} << u"m.txt"_s;
    QTest::addRow("save without name asks for one")
        << false << false << QStringList{u"new.txt"_s} << TAnswers{} << u"new.txt"_s;
    QTest::addRow("save dialog cancelled") << false << false << QStringList{} << TAnswers{} << QString();
    QTest::addRow("save as over an existing file, Yes")
        << true << true << QStringList{u"other.txt"_s} << TAnswers{TDialogAnswer::Yes} << u"other.txt"_s;
    QTest::addRow("save as over an existing file, No")
        << true << true << QStringList{u"other.txt"_s} << TAnswers{TDialogAnswer::No} << QString();
}

void TstNoteList::editorSave()
{
    QFETCH(bool, named);
    QFETCH(bool, saveAs);
    QFETCH(QStringList, dialogFile);
    QFETCH(TAnswers, answers);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const QString path = WriteLinesFile(dir.path(), u"m.txt"_s, {u"old"_s});
    WriteLinesFile(dir.path(), u"other.txt"_s, {u"other"_s});
    TScriptedDialogs dialogs;
    dialogs.FAnswers = answers;
    if (!dialogFile.isEmpty())
        dialogs.FFileAnswers = {{dir.filePath(dialogFile.first())}};
    TMemoEditor editor(dir.path(), dialogs);
    editor.Open(named ? path : QString());
    editor.TextChanged(u"新しい本文"_s, true);
    QVERIFY(editor.FModified);
    const bool saved = editor.Save(saveAs);
    QCOMPARE(saved, !written.isEmpty());
    QCOMPARE(editor.FSaved, saved);
    QCOMPARE(editor.FModified, !saved);
    if (saved) {
        QCOMPARE(editor.FMemoFileName, dir.filePath(written));
        QCOMPARE(ReadFixtureFile(dir.filePath(written)), SjisBytes(u"新しい本文\r\n"_s));
    }
    QCOMPARE(ReadLinesFile(dir.filePath(u"other.txt"_s)).first(),
             written == u"other.txt"_s ? u"新しい本文"_s : u"other"_s);
}

void TstNoteList::editorClose_data()
{
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addRow("Cancel stays open") << TDialogAnswer::Cancel << false;
    QTest::addRow("No closes without saving") << TDialogAnswer::No << true;
    QTest::addRow("Yes, save dialog cancelled, closes unsaved") << TDialogAnswer::Yes << true;
}

void TstNoteList::editorClose()
{
    QFETCH(TDialogAnswer, answer);
    QFETCH(bool, closes);
    QTemporaryDir dir;
    TScriptedDialogs dialogs;
    dialogs.FAnswers = {answer};
    TMemoEditor editor(dir.path(), dialogs);
    editor.Open(QString());
    editor.TextChanged(u"x"_s, true);
    QCOMPARE(editor.Close(), closes);
    QCOMPARE(dialogs.Texts(u"yesnocancel"_s),
             QStringList{u"編集結果が保存されていません。保存して閉じますか？"_s});
    QVERIFY(!editor.FSaved);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TstNoteList::geometry()
{
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"Velmor.INI"_s));
    QCOMPARE(TMemoEditor::Geometry(settings).size(), QSize(400, 330));
    TMemoEditor::StoreGeometry(settings, QRect(10, 20, 500, 600));
    QCOMPARE(TMemoEditor::Geometry(settings), QRect(10, 20, 500, 600));
}

void TstNoteList::makePlayerFolder_data()
{
    QTest::addColumn<QString>("folder"); // below the temporary folder
    QTest::addColumn<bool>("created");
    QTest::addRow("missing notes folder") << u"player/Notes/"_s << true;
    QTest::addRow("missing parents too") << u"player/Media/Text/"_s << true;
    QTest::addRow("leaving the root") << u"player/../outside/"_s << false;
    QTest::addRow("through a link to outside") << u"player/link/Notes/"_s << false;
}

void TstNoteList::makePlayerFolder()
{
    QFETCH(QString, folder);
    QFETCH(bool, created);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(u"player"_s)));
    QVERIFY(QDir().mkpath(dir.filePath(u"elsewhere"_s)));
    QVERIFY(QFile::link(dir.filePath(u"elsewhere"_s), dir.filePath(u"player/link"_s)));
    const QString path = dir.filePath(folder);
    bool raised = false;
    try {
        MakePlayerFolder(path, dir.filePath(u"player"_s) + u'/');
    } catch (const ESorvoError &e) {
        raised = true;
        QVERIFY(e.Message().startsWith(u"フォルダ["_s));
    }
    QCOMPARE(raised, !created);
    QCOMPARE(QFileInfo(path).isDir(), created);
    QVERIFY(!QFileInfo::exists(dir.filePath(u"outside"_s)));
    QVERIFY(QDir(dir.filePath(u"elsewhere"_s)).isEmpty());
}

QTEST_GUILESS_MAIN(TstNoteList)
#include "tst_notelist.moc"
