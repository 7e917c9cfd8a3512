#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "demoplayer.h"
#include "device/kiruipod.h"
#include "device/playerpage.h"
#include "devicefixtures.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "mainform/mainform.h"
#include "notefiles.h"
#include "notes/memodivideform.h"
#include "notes/memoform.h"
#include "notes/memotab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "widgets/reportlistview.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A main window with the notes tab over an iPod in a temporary folder, with scripted dialogs.
struct TFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher{nullptr, u"/nonexistent/mountinfo"_s};
    QString settingsFile;
    QString root;
    std::unique_ptr<TMainForm> form;

    /// withNotesFolder false: a player set up by other tools, without a notes folder.
    explicit TFixture(bool withNotesFolder = true, bool demo = false)
    {
        settingsFile = dir.filePath(u"Velmor.INI"_s);
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.Save();
        root = dir.filePath(u"player"_s);
        QDir().mkpath(root);
        drives.Add(root, true, u"IPOD"_s, qint64(30) << 30, qint64(1536) << 20);
        if (demo) {
            QCOMPARE(BuildDemoPlayer(root), QString());
        } else {
            TITunesDBWriter db;
            db.FTracks.append(TITunesDBWriter::SampleTrack(1));
            db.AddMasterPlaylist();
            QVERIFY(db.WriteTo(root + u"/iPod_Control/iTunes/iTunesDB"_s));
            if (withNotesFolder)
                QDir().mkpath(root + u"/Notes"_s);
        }
        TMainFormSetup setup;
        setup.settingsFile = settingsFile;
        setup.driveTable = &drives;
        setup.dialogs = &dialogs;
        setup.progress = &progress;
        setup.watcher = &watcher;
        setup.modelFile = QStringLiteral(SORVO_SOURCE_DIR "/data/Velmor.MCD");
        form = std::make_unique<TMainForm>(setup);
        form->show();
        QTRY_VERIFY(!form->PlayerPage()->RecognitionPending());
    }

    QString Notes() const { return root + u"/Notes/"_s; }
    TMemoTab &Tab() { return *form->findChild<TMemoTab *>(); }
    TReportListView &List() { return *form->findChild<TReportListView *>(u"MemoListView"_s); }
    QAction &Action(const QString &name) { return *form->findChild<QAction *>(name); }
    void ShowNotes() { form->ShowPage(pgNotes); }
    QString Cell(int row, int column) const
    {
        auto *list = form->findChild<TReportListView *>(u"MemoListView"_s);
        return list->model()->index(row, column).data().toString();
    }
};

/// Acts on the next modal window of the given class as soon as it is shown.
template <class T> void WhenShown(const std::function<void(T &)> &act, int tries = 200)
{
    QTimer::singleShot(10, qApp, [act, tries] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget()))
            act(*w);
        else if (tries > 0)
            WhenShown<T>(act, tries - 1);
    });
}

QByteArray LongText(int lines)
{
    return RepeatLines(lines, 60);
}

/// A note editor over a temporary notes folder, with scripted dialogs.
struct TEditorFixture
{
    QTemporaryDir dir;
    TKiruIPodINI settings{dir.filePath(u"s.ini"_s)};
    TScriptedDialogs dialogs;
    std::unique_ptr<TMemoForm> form;

    /// Opens the path (empty: a new note) and shows the window.
    TMemoForm &Show(const QString &path = {})
    {
        form = std::make_unique<TMemoForm>(settings, dialogs, dir.path());
        form->Open(path);
        form->show();
        return *form;
    }
};

QPlainTextEdit &Edit(TMemoForm &form)
{
    return *form.findChild<QPlainTextEdit *>(u"MemoEdit"_s);
}

void Trigger(QWidget &window, const QString &action)
{
    window.findChild<QAction *>(action)->trigger();
}

} // namespace

class TstMemoTab : public QObject
{
    Q_OBJECT
private slots:
    void noteList_data();
    void noteList();
    void typingCounts();
    void loadLeavesUnmodified();
    void newAsks_data();
    void newAsks();
    void saveUnnamedAsksForName();
    void saveAsExistingAsksOnce_data();
    void saveAsExistingAsksOnce();
    void closeModifiedYesThenCancel();
    void redoRedoesOneStep();
    void redoOnBothKeys();
    void longNoteKeptWhole();
    void encodingKept_data();
    void encodingKept();
    void lostCharactersAsked_data();
    void lostCharactersAsked();
    void closeGoesBackForLostCharacters();
    void newNoteProposedName_data();
    void newNoteProposedName();
    void chosenNameGetsTxt_data();
    void chosenNameGetsTxt();
    void offScreenPlaceRecentred();
    void deleteThree();
    void doubleClickOpensNote();
    void dropLongText();
    void dropSeveralFiles();
    void importButton();
    void importCreatesNotesFolder();
    void divideFormCancel();
    void divideWithoutWindow();
};

void TstMemoTab::noteList_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addRow("empty folder") << QStringList() << QStringList();
    QTest::addRow("divided note") << QStringList{u"T/T 001.txt"_s}
                                  << QStringList{u"T 001.txt"_s, u"12"_s, QDir::toNativeSeparators(u"T/"_s),
                                                 u"first line"_s};
    QTest::addRow("top-level note") << QStringList{u"a.txt"_s}
                                    << QStringList{u"a.txt"_s, u"12"_s, QString(), u"first line"_s};
}

void TstMemoTab::noteList()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, firstRow);
    TFixture f;
    for (const QString &file : files)
        QVERIFY(WriteFixtureFile(f.Notes() + file, "first line\r\n"));
    QAbstractItemModelTester tester(&f.Tab().Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    f.ShowNotes();
    QCOMPARE(f.List().model()->rowCount(), files.size());
    QCOMPARE(f.form->StatusText(1), u"メモを読み込みました"_s);
    QCOMPARE(f.List().model()->columnCount(), 4);
    QCOMPARE(f.List().model()->headerData(3, Qt::Horizontal).toString(), u"内容"_s);
    for (int c = 0; c < firstRow.size(); ++c)
        QCOMPARE(f.Cell(0, c), firstRow.at(c));
    // The list never sorts: a header click changes nothing.
    QVERIFY(!f.Tab().Model().Sortable());
}

void TstMemoTab::typingCounts()
{
    TEditorFixture f;
    TMemoForm &form = f.Show();
    QCOMPARE(form.StatusText(0), u"文字数 0"_s);
    QTest::keyClicks(&Edit(form), u"a"_s);
    QCOMPARE(form.StatusText(0), u"文字数 3"_s);
    QVERIFY(form.Editor().FModified);
}

void TstMemoTab::loadLeavesUnmodified()
{
    TEditorFixture f;
    const QString path = WriteLinesFile(f.dir.path(), u"m.txt"_s, {u"メモ"_s, u"二行目"_s});
    TMemoForm &form = f.Show(path);
    QCOMPARE(form.windowTitle(), u"メモの編集 - [ %1 ]"_s.arg(path));
    QCOMPARE(form.StatusText(0), u"文字数 14"_s);
    QVERIFY(!form.Editor().FModified);
    QVERIFY(form.close());
    QVERIFY(f.dialogs.FCalls.isEmpty());
    QVERIFY(!form.isVisible());
}

void TstMemoTab::newAsks_data()
{
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addRow("No keeps text and name") << TDialogAnswer::No;
    QTest::addRow("Yes clears") << TDialogAnswer::Yes;
}

void TstMemoTab::newAsks()
{
    QFETCH(TDialogAnswer, answer);
    TEditorFixture f;
    f.dialogs.FAnswers = {answer};
    const QString path = WriteLinesFile(f.dir.path(), u"m.txt"_s, {u"keep"_s});
    TMemoForm &form = f.Show(path);
    Trigger(form, u"Menu_New"_s); // unchanged text: asks all the same
    QCOMPARE(f.dialogs.Texts(u"yesno"_s), QStringList{u"今までの編集結果が消去されますがよろしいですか？"_s});
    const bool cleared = answer == TDialogAnswer::Yes;
    QCOMPARE(Edit(form).toPlainText(), cleared ? QString() : u"keep"_s);
    QCOMPARE(form.Editor().FMemoFileName, cleared ? QString() : path);
    QCOMPARE(form.windowTitle(), u"メモの編集 - [ %1 ]"_s.arg(cleared ? QString() : path));
    QVERIFY(!form.Editor().FModified);
}

void TstMemoTab::saveUnnamedAsksForName()
{
    TEditorFixture f;
    const QString target = f.dir.filePath(u"new.txt"_s);
    f.dialogs.FFileAnswers = {{target}};
    TMemoForm &form = f.Show();
    QTest::keyClicks(&Edit(form), u"hello"_s);
    Trigger(form, u"Menu_Save"_s);
    QCOMPARE(f.dialogs.Texts(u"save"_s).size(), 1);
    // Proposed in the notes folder under the note's first line.
    QCOMPARE(f.dialogs.Texts(u"save"_s).first(), u"|"_s + f.dir.path() + u"/hello.txt"_s);
    QCOMPARE(ReadLinesFile(target), QStringList{u"hello"_s});
    QCOMPARE(form.windowTitle(), u"メモの編集 - [ %1 ]"_s.arg(target));
    QVERIFY(form.Editor().FSaved && !form.Editor().FModified);
}

void TstMemoTab::saveAsExistingAsksOnce_data()
{
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addRow("No leaves the file") << TDialogAnswer::No;
    QTest::addRow("Yes overwrites") << TDialogAnswer::Yes;
}

void TstMemoTab::saveAsExistingAsksOnce()
{
    QFETCH(TDialogAnswer, answer);
    TEditorFixture f;
    const QString other = WriteLinesFile(f.dir.path(), u"other.txt"_s, {u"other"_s});
    f.dialogs.FFileAnswers = {{other}};
    f.dialogs.FAnswers = {answer};
    TMemoForm &form = f.Show();
    QTest::keyClicks(&Edit(form), u"mine"_s);
    Trigger(form, u"Menu_SaveAs"_s);
    // The editor's question is the only one about overwriting.
    QCOMPARE(f.dialogs.Texts(u"yesno"_s),
             QStringList{u"同名のファイルが存在します。上書きしてもよろしいですか？"_s});
    QCOMPARE(ReadLinesFile(other), QStringList{answer == TDialogAnswer::Yes ? u"mine"_s : u"other"_s});
    QCOMPARE(form.Editor().FModified, answer != TDialogAnswer::Yes);
}

void TstMemoTab::closeModifiedYesThenCancel()
{
    TEditorFixture f;
    f.dialogs.FAnswers = {TDialogAnswer::Yes};
    f.dialogs.FFileAnswers = {{}}; // the save dialog is cancelled
    TMemoForm &form = f.Show();
    QTest::keyClicks(&Edit(form), u"unsaved"_s);
    QVERIFY(form.close());
    QCOMPARE(f.dialogs.Texts(u"yesnocancel"_s),
             QStringList{u"編集結果が保存されていません。保存して閉じますか？"_s});
    QCOMPARE(f.dialogs.Texts(u"save"_s).size(), 1);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.Editor().FSaved);
    QCOMPARE(QDir(f.dir.path()).entryList({u"*.txt"_s}, QDir::Files), QStringList());
    QCOMPARE(f.settings.FTView_W, form.width());
}

void TstMemoTab::redoRedoesOneStep()
{
    TEditorFixture f;
    TMemoForm &form = f.Show();
    QTest::keyClicks(&Edit(form), u"one"_s);
    QTest::keyClick(&Edit(form), Qt::Key_Return);
    QTest::keyClicks(&Edit(form), u"two"_s);
    const QString full = Edit(form).toPlainText();
    Trigger(form, u"Menu_Undo"_s);
    const QString afterOne = Edit(form).toPlainText();
    Trigger(form, u"Menu_Undo"_s);
    const QString afterTwo = Edit(form).toPlainText();
    QVERIFY(full != afterOne && afterOne != afterTwo);
    Trigger(form, u"Menu_Redo"_s);
    QCOMPARE(Edit(form).toPlainText(), afterOne);
    Trigger(form, u"Menu_Redo"_s);
    QCOMPARE(Edit(form).toPlainText(), full);
}

void TstMemoTab::redoOnBothKeys()
{
    TEditorFixture f;
    TMemoForm &form = f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(&Edit(form), u"one"_s);
    QTest::keyClick(&Edit(form), Qt::Key_Return);
    QTest::keyClicks(&Edit(form), u"two"_s);
    const QString full = Edit(form).toPlainText();
    QTest::keyClick(&Edit(form), Qt::Key_Z, Qt::ControlModifier);
    const QString afterOne = Edit(form).toPlainText();
    QTest::keyClick(&Edit(form), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(afterOne != full && Edit(form).toPlainText() != afterOne);
    QTest::keyClick(&Edit(form), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Edit(form).toPlainText(), afterOne);
    QTest::keyClick(&Edit(form), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Edit(form).toPlainText(), full);
    // The menu names the first key.
    auto *redo = form.findChild<QAction *>(u"Menu_Redo"_s);
    QCOMPARE(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
}

void TstMemoTab::longNoteKeptWhole()
{
    TEditorFixture f;
    const QByteArray bytes = LongText(100); // 6,200 bytes, beyond the typing limit
    const QString path = f.dir.filePath(u"long.txt"_s);
    QVERIFY(WriteFixtureFile(path, bytes));
    TMemoForm &form = f.Show(path);
    QCOMPARE(Edit(form).toPlainText().size(), 100 * 61 - 1);
    // Typing stops at the limit; the text already there stays whole.
    Edit(form).moveCursor(QTextCursor::End);
    QTest::keyClicks(&Edit(form), u"x"_s);
    QCOMPARE(Edit(form).toPlainText().size(), 100 * 61 - 1);
    Trigger(form, u"Menu_Save"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void TstMemoTab::encodingKept_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::addRow("UTF-8") << u"UTF-8"_s << false;
    QTest::addRow("UTF-8 with mark") << u"UTF-8"_s << true;
    QTest::addRow("UTF-16LE") << u"UTF-16LE"_s << true;
    QTest::addRow("UTF-16BE") << u"UTF-16BE"_s << true;
}

void TstMemoTab::encodingKept()
{
    QFETCH(QString, encoding);
    QFETCH(bool, bom);
    const auto encode = [&](const QString &text) {
        QStringEncoder encoder(*QStringConverter::encodingForName(encoding.toLatin1().constData()),
                               bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder(text));
    };
    TEditorFixture f;
    const QString path = f.dir.filePath(u"u.txt"_s);
    // Characters Shift-JIS lacks (é, 한) must survive as well.
    QVERIFY(WriteFixtureFile(path, encode(u"日本語 é 한\r\n二行目\r\n"_s)));
    TMemoForm &form = f.Show(path);
    QCOMPARE(Edit(form).toPlainText(), u"日本語 é 한\n二行目"_s);
    Edit(form).moveCursor(QTextCursor::End);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, u"追記"_s); // as an input method commits it
    QApplication::sendEvent(&Edit(form), &typed);
    Trigger(form, u"Menu_Save"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), encode(u"日本語 é 한\r\n二行目追記\r\n"_s));
}

void TstMemoTab::lostCharactersAsked_data()
{
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addRow("No goes back to the text") << TDialogAnswer::No;
    QTest::addRow("Yes saves and shows the note as written") << TDialogAnswer::Yes;
}

void TstMemoTab::lostCharactersAsked()
{
    QFETCH(TDialogAnswer, answer);
    TEditorFixture f;
    const QString path = f.dir.filePath(u"n.txt"_s);
    const QByteArray old = UnicodeToShiftJis(u"元の文\r\n"_s);
    QVERIFY(WriteFixtureFile(path, old));
    f.dialogs.FAnswers = {answer};
    TMemoForm &form = f.Show(path);
    Edit(form).moveCursor(QTextCursor::End);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, u" café 한 é"_s);
    QApplication::sendEvent(&Edit(form), &typed);
    Trigger(form, u"Menu_Save"_s);
    QCOMPARE(f.dialogs.Texts(u"yesno"_s),
             QStringList{u"次の文字はShift-JISにないため「?」に置き換わります: é 한\n保存しますか？"_s});
    if (answer == TDialogAnswer::No) {
        QCOMPARE(ReadFixtureFile(path), old);
        QCOMPARE(Edit(form).toPlainText(), u"元の文 café 한 é"_s);
        QVERIFY(form.Editor().FModified);
    } else {
        QCOMPARE(ReadFixtureFile(path), UnicodeToShiftJis(u"元の文 caf? ? ?\r\n"_s));
        QCOMPARE(Edit(form).toPlainText(), u"元の文 caf? ? ?"_s);
        QVERIFY(!form.Editor().FModified);
    }
    QVERIFY(form.isVisible());
}

void TstMemoTab::closeGoesBackForLostCharacters()
{
    TEditorFixture f;
    const QString path = f.dir.filePath(u"n.txt"_s);
    QVERIFY(WriteFixtureFile(path, "old\r\n"));
    // "Save and close?" Yes, then No to the characters: the window stays with the text.
    f.dialogs.FAnswers = {TDialogAnswer::Yes, TDialogAnswer::No};
    TMemoForm &form = f.Show(path);
    Edit(form).setPlainText(u"Ünïcode"_s);
    QVERIFY(!form.close());
    QCOMPARE(f.dialogs.Texts(u"yesno"_s).size(), 1);
    QVERIFY(form.isVisible());
    QCOMPARE(Edit(form).toPlainText(), u"Ünïcode"_s);
    QCOMPARE(ReadFixtureFile(path), QByteArray("old\r\n"));
}

void TstMemoTab::newNoteProposedName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addRow("first line") << u"買い物リスト\n牛乳"_s << u"買い物リスト.txt"_s;
    QTest::addRow("blank lines and refused characters") << u"\n  \n a/b: c?  \nx"_s << u"a b c.txt"_s;
    QTest::addRow("long line shortened") << QString(40, u'あ') << QString(32, u'あ') + u".txt"_s;
    QTest::addRow("nothing usable") << u"..\n"_s << u"メモ.txt"_s;
    QTest::addRow("empty note") << QString() << u"メモ.txt"_s;
}

void TstMemoTab::newNoteProposedName()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    TEditorFixture f;
    TMemoForm &form = f.Show();
    Edit(form).setPlainText(text);
    Trigger(form, u"Menu_Save"_s); // the save box is cancelled
    QCOMPARE(f.dialogs.Texts(u"save"_s), QStringList{u"|"_s + f.dir.path() + u'/' + name});
    QCOMPARE(QDir(f.dir.path()).entryList({u"*.txt"_s}, QDir::Files), QStringList());
}

void TstMemoTab::chosenNameGetsTxt_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addRow("no extension") << u"Notes"_s << u"Notes.txt"_s;
    QTest::addRow("own extension kept") << u"todo.log"_s << u"todo.log"_s;
}

void TstMemoTab::chosenNameGetsTxt()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    TEditorFixture f;
    f.dialogs.FFileAnswers = {{f.dir.filePath(chosen)}};
    TMemoForm &form = f.Show();
    QTest::keyClicks(&Edit(form), u"hello"_s);
    Trigger(form, u"Menu_Save"_s);
    QCOMPARE(ReadLinesFile(f.dir.filePath(written)), QStringList{u"hello"_s});
    QCOMPARE(form.Editor().FMemoFileName, f.dir.filePath(written));
    QVERIFY(!QFileInfo::exists(f.dir.filePath(chosen)) || chosen == written);
}

void TstMemoTab::offScreenPlaceRecentred()
{
    TEditorFixture f;
    f.settings.FTView_X = -30000;
    f.settings.FTView_Y = -30000;
    TMemoForm &form = f.Show();
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(form.geometry()));
    QCOMPARE(form.size(), QSize(400, 330));
}

void TstMemoTab::deleteThree()
{
    TFixture f;
    for (const QString &name : {u"a.txt"_s, u"b.txt"_s, u"x/c.txt"_s})
        QVERIFY(WriteFixtureFile(f.Notes() + name, "x\r\n"));
    f.ShowNotes();
    QCOMPARE(f.List().model()->rowCount(), 3);
    f.List().selectAll();
    f.dialogs.FAnswers = {TDialogAnswer::Yes, TDialogAnswer::Yes};
    f.Action(u"Menu_MemoDelete"_s).trigger();
    QCOMPARE(f.dialogs.Texts(u"yesno"_s),
             (QStringList{u"[ \"a.txt\"を含む複数の選択されたファイル ]を削除してもよろしいですか？"_s,
                          Format(u"フォルダ [ %s ] が空ですので削除してもよろしいですか？"_s,
                                 {QDir::toNativeSeparators(f.Notes() + u"x"_s)})}));
    QCOMPARE(f.List().model()->rowCount(), 0);
    QVERIFY(QDir(f.Notes()).isEmpty());
}

void TstMemoTab::doubleClickOpensNote()
{
    TFixture f;
    QVERIFY(WriteFixtureFile(f.Notes() + u"a.txt"_s, "abc\r\n"));
    f.ShowNotes();
    QString shownText, caption;
    WhenShown<TMemoForm>([&](TMemoForm &form) {
        shownText = Edit(form).toPlainText();
        caption = form.windowTitle();
        QTest::keyClicks(&Edit(form), u"d"_s);
        Trigger(form, u"Menu_Save"_s);
        form.close();
    });
    f.dialogs.FCalls.clear();
    emit f.List().ItemActivated(0);
    QCOMPARE(shownText, u"abc"_s);
    QCOMPARE(caption, u"メモの編集 - [ %1 ]"_s.arg(f.Notes() + u"a.txt"_s));
    // The save reloaded the list: the new size shows.
    QCOMPARE(f.Cell(0, 1), u"6"_s);
    QCOMPARE(f.dialogs.FCalls.size(), 0);
}

void TstMemoTab::dropLongText()
{
    TFixture f;
    f.ShowNotes();
    const QString source = f.dir.filePath(u"長文.txt"_s);
    QVERIFY(WriteFixtureFile(source, LongText(150)));
    QString shownTitle;
    WhenShown<TMemoDivideForm>([&](TMemoDivideForm &w) {
        shownTitle = w.findChild<QLineEdit *>(u"Edit_Title"_s)->text();
        w.findChild<QPushButton *>(u"Button_Ok"_s)->click();
    });
    f.form->DropFiles({source});
    QCOMPARE(shownTitle, u"長文"_s);
    QCOMPARE(f.dialogs.Texts(u"error"_s), QStringList());
    const QStringList pages = QDir(f.Notes() + u"長文"_s).entryList(QDir::Files, QDir::Name);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages.first(), u"長文 001.txt"_s);
    QVERIFY(
        ReadLinesFile(f.Notes() + u"長文/長文 001.txt"_s).contains(u"<A HREF=\"長文 002.txt\">≪次へ≫</A>"_s));
    QVERIFY(!ReadLinesFile(f.Notes() + u"長文/長文 003.txt"_s).join(u'\n').contains(u"HREF"_s));
    // The division ran in the progress window, and the list shows the pages.
    QCOMPARE(f.progress.FRuns.size(), 1);
    QVERIFY(!f.progress.FRuns.first().labels.isEmpty());
    QCOMPARE(f.List().model()->rowCount(), 3);
}

void TstMemoTab::dropSeveralFiles()
{
    TFixture f;
    f.ShowNotes();
    QStringList files;
    for (const QString &name : {u"one.txt"_s, u"two.txt"_s, u"three.txt"_s}) {
        files.append(f.dir.filePath(name));
        QVERIFY(WriteFixtureFile(files.last(), name == u"two.txt"_s ? LongText(100) : QByteArray("x\r\n")));
    }
    int windows = 0;
    WhenShown<TMemoDivideForm>([&](TMemoDivideForm &w) {
        ++windows;
        w.findChild<QPushButton *>(u"Button_Cancel"_s)->click();
    });
    f.form->DropFiles(files);
    QCOMPARE(windows, 1);
    QCOMPARE(QDir(f.Notes()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{u"one.txt"_s, u"three.txt"_s}));
}

void TstMemoTab::importButton()
{
    TFixture f;
    f.ShowNotes();
    const QString a = f.dir.filePath(u"a.c"_s), b = f.dir.filePath(u"b.txt"_s);
    QVERIFY(WriteFixtureFile(a, "int x;\r\n"));
    QVERIFY(WriteFixtureFile(b, "b\r\n"));
    f.dialogs.FFileAnswers = {{a, b}};
    f.form->findChild<QPushButton *>(u"SButton_MemoImport"_s)->click();
    QCOMPARE(
        f.dialogs.FOpenFilters,
        QStringList{
            u"全てのテキストファイル|*.TXT;*.C;*.PAS;*.CPP;|テキストファイル|*.TXT;|ソースコードファイル|*.C;*.PAS;*.CPP;*.H;*.CS;*.BAS;*.VHD|全てのファイル(*.*)|*.*"_s});
    QCOMPARE(f.dialogs.FOpenMultiple, QList<bool>{true});
    QCOMPARE(QDir(f.Notes()).entryList(QDir::Files, QDir::Name), (QStringList{u"a.c"_s, u"b.txt"_s}));
    QCOMPARE(f.List().model()->rowCount(), 2);
    QCOMPARE(f.Action(u"Menu_MemoImport"_s).text(), u"テキストファイルを取り込む(&I)..."_s);
    QCOMPARE(f.Action(u"Menu_MemoImport"_s).shortcut(), QKeySequence(Qt::Key_F9));
}

void TstMemoTab::importCreatesNotesFolder()
{
    TFixture f(false);
    QVERIFY(!QFileInfo::exists(f.Notes()));
    f.ShowNotes();
    QCOMPARE(f.List().model()->rowCount(), 0);
    const QString source = f.dir.filePath(u"n.txt"_s);
    QVERIFY(WriteFixtureFile(source, "note\r\n"));
    f.form->DropFiles({source});
    QCOMPARE(f.dialogs.Texts(u"error"_s), QStringList());
    QVERIFY(QFileInfo(f.Notes() + u"n.txt"_s).isFile());
    QCOMPARE(f.List().model()->rowCount(), 1);
}

void TstMemoTab::divideFormCancel()
{
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"s.ini"_s));
    settings.FMakeDivMode = 2;
    settings.FMakeWordSize = 3000;
    settings.FMakeDelRuby = true;
    TKiruStringList lines;
    lines.SetText(LongText(100));
    TMemoDivideForm form;
    bool checked = false;
    WhenShown<TMemoDivideForm>([&](TMemoDivideForm &w) {
        checked = w.findChild<QComboBox *>(u"ComboBox_BaseType"_s)->currentIndex() == 2 &&
                  w.findChild<QSpinBox *>(u"SpinEdit_BaseSize"_s)->value() == 3000 &&
                  w.findChild<QCheckBox *>(u"CheckBox_DelRuby"_s)->isChecked() &&
                  w.findChild<QCheckBox *>(u"CheckBox_EveryOn"_s)->isChecked();
        w.findChild<QSpinBox *>(u"SpinEdit_BaseSize"_s)->setValue(2000);
        w.close(); // the window frame counts as Cancel
    });
    QVERIFY(!DivideWithDialog(dir.path(), lines, u"/x/src.txt"_s, settings, &form, {}));
    QVERIFY(checked);
    QCOMPARE(settings.FMakeWordSize, 3000);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

void TstMemoTab::divideWithoutWindow()
{
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"s.ini"_s));
    settings.FEveryDisplay = false;
    TKiruStringList lines;
    lines.SetText(LongText(100));
    TMemoDivideForm form;
    bool shown = false;
    WhenShown<TMemoDivideForm>(
        [&](TMemoDivideForm &w) {
            shown = true;
            w.close();
        },
        5);
    TRecordingProgress progress;
    QVERIFY(DivideWithDialog(dir.path(), lines, u"/x/src.txt"_s, settings, &form, {}, nullptr, &progress));
    QTest::qWait(100);
    QVERIFY(!shown);
    QCOMPARE(progress.FRuns.size(), 1);
    QCOMPARE(QDir(dir.path() + u"/src"_s).entryList(QDir::Files).size(), 2);
}

QTEST_MAIN(TstMemoTab)
#include "tst_memotab.moc"
