#include "app/guithreaddialogs.h"
#include "app/language.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"
#include "device/configform.h"
#include "device/modelpictures.h"
#include "device/playerinfo.h"
#include "device/specform.h"
#include "dialogs/guarded.h"
#include "dialogs/logform.h"
#include "dialogs/progressform.h"
#include "dialogs/widgetdialogs.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "music/songdb.h"
#include "platform/consolerun.h"
#include "platform/diskcheck.h"
#include "platform/drivetable.h"
#include "platform/safefilewriter.h"
#include "scripteddialogs.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
/// Clicks a button of the modal window once it is shown.
void ClickInModal(const QString &button)
{
    QTimer::singleShot(0, [button] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        modal->findChild<QPushButton *>(button)->click();
    });
}
} // namespace

class TstDialogs : public QObject
{
    Q_OBJECT
private slots:
    void progressCancel();
    void progressStopsLongFile();
    void progressAsksOnMainThread();
    void progressBelowOne();
    void progressError();
    void logRows();
    void logSave();
    void messageBoxButtons_data();
    void messageBoxButtons();
    void guardedErrors();
    void shellOpenWithoutProgram_data();
    void shellOpenWithoutProgram();
    void qtTranslation();
    void configCancel();
    void configOk();
    void configRefusesSaveFolder();
    void specValues_data();
    void specValues();
    void diskCheckDeclined();
    void diskCheckFolder();
    void diskCheckNote_data();
    void diskCheckNote();
    void diskCheckOutput();
};

void TstDialogs::progressCancel()
{
    // The step runs beside the window: the window takes its events (a timer here) while the step works,
    // shows the latest caption, and its cancel button stops the step.
    TWidgetProgressRunner runner;
    std::atomic<int> done{0};
    std::atomic<bool> stepOnMainThread{true};
    bool labelShown = false;
    bool titleRight = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *form = qobject_cast<TProgressForm *>(QApplication::activeModalWidget());
        if (!form || done < 37)
            return;
        titleRight = form->windowTitle() == u"コピー中"_s;
        if (form->Label()->text() != u"37"_s)
            return; // shown at the window's next refresh
        labelShown = true;
        poll.stop();
        form->findChild<QPushButton *>(u"Button1"_s)->click();
    });
    poll.start();
    const int result = runner.RunWithProgress(u"コピー中"_s, 0, 100, [&](TProgressContext &context) {
        stepOnMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        for (int item = 1; item <= 100; ++item) {
            context.SetPosition(item);
            context.SetLabel(QString::number(item));
            done = item;
            if (item == 37) {
                // The window's own events go on meanwhile: it shows the caption, then the click arrives.
                QElapsedTimer waited;
                waited.start();
                while (!context.Cancelled() && waited.elapsed() < 10000)
                    QThread::msleep(1);
            }
            if (context.Cancelled())
                return;
        }
    });
    QVERIFY(!stepOnMainThread);
    QCOMPARE(result, 37);
    QCOMPARE(done.load(), 37);
    QVERIFY(labelShown);
    QVERIFY(titleRight);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TstDialogs::progressStopsLongFile()
{
    // Cancel also stops file work in the middle of a file, which asks StopRequested between chunks.
    TWidgetProgressRunner runner;
    bool stopped = false;
    QTimer::singleShot(20, [] {
        if (auto *form = qobject_cast<TProgressForm *>(QApplication::activeModalWidget()))
            form->findChild<QPushButton *>(u"Button1"_s)->click();
    });
    runner.RunWithProgress(u"t"_s, 0, 10, [&](TProgressContext &) {
        QElapsedTimer timer;
        timer.start();
        while (!StopRequested() && timer.elapsed() < 10000)
            QThread::msleep(1);
        stopped = StopRequested();
    });
    QVERIFY(stopped);
    // The next run starts afresh.
    bool stillStopped = true;
    runner.RunWithProgress(u"t"_s, 0, 1, [&](TProgressContext &) { stillStopped = StopRequested(); });
    QVERIFY(!stillStopped);
}

void TstDialogs::progressAsksOnMainThread()
{
    // A question asked by the step is shown by the window's thread; the step waits for the answer.
    TWidgetProgressRunner runner;
    TScriptedDialogs scripted;
    scripted.FAnswers = {TDialogAnswer::No};
    TGuiThreadDialogs dialogs(scripted);
    TDialogAnswer answer = TDialogAnswer::Yes;
    runner.RunWithProgress(u"t"_s, 0, 1,
                           [&](TProgressContext &) { answer = dialogs.AskYesNo(u"よろしいですか"_s); });
    QCOMPARE(answer, TDialogAnswer::No);
    QCOMPARE(scripted.Texts(u"yesno"_s), QStringList{u"よろしいですか"_s});
}

void TstDialogs::progressBelowOne()
{
    TWidgetProgressRunner runner;
    bool ran = false;
    QCOMPARE(runner.RunWithProgress(u"t"_s, 0, 0, [&](TProgressContext &) { ran = true; }), -1);
    QVERIFY(!ran);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TProgressForm *>(w));
}

void TstDialogs::progressError()
{
    TWidgetProgressRunner runner;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, runner.RunWithProgress(u"t"_s, 0, 5, [](TProgressContext &context) {
        context.SetPosition(2);
        throw ESorvoError(u"壊れています"_s);
    }));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TProgressForm *>(w) || !w->isVisible());
}

namespace {
/// Songs "曲A", "曲B", ... by "歌手A", ... whose copies failed with the given result codes; the report.
TCopyReport AddFailedSongs(TITBSongList &songs, const QList<int> &codes)
{
    TCopyReport report;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        TITBSongItem &song = songs.AddNew();
        song.SetTitle(u"曲"_s + QChar(char16_t(u'A' + i)));
        song.SetArtist(u"歌手"_s + QChar(char16_t(u'A' + i)));
        report.FOutcomes.append(TCopyOutcome{int(i), {}, codes.at(i), {}});
    }
    return report;
}
} // namespace

void TstDialogs::logRows()
{
    TITBSongList songs;
    TCopyReport report;
    for (int i = 0; i < 10; ++i) {
        TITBSongItem &song = songs.AddNew();
        song.SetTitle(u"曲"_s + QString::number(i));
        song.SetArtist(u"歌手"_s + QString::number(i));
        report.FOutcomes.append(TCopyOutcome{i, u"/out/%1.mp3"_s.arg(i), 0, {}});
    }
    report.FOutcomes[2] = TCopyOutcome{2, {}, -2, {}};
    report.FOutcomes[5].FNote = u"タグを書き込めませんでした"_s;
    report.FOutcomes[9] = TCopyOutcome{9, {}, -3, {}};
    TScriptedDialogs dialogs;
    TLogForm form(dialogs);
    form.Fill(songs, report);
    QAbstractItemModelTester tester(form.findChild<QAbstractItemView *>(u"LogListView"_s)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QList<TTransferLogRow> rows = form.Rows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].FNumber, u"1"_s);
    QCOMPARE(rows[1].FNumber, u"2"_s);
    QCOMPARE(rows[2].FNumber, u"3"_s);
    QCOMPARE(rows[0].FTitle, u"曲2"_s);
    QCOMPARE(rows[0].FArtist, u"歌手2"_s);
    QCOMPARE(rows[0].FErrorText, u"データファイルが存在しません"_s);
    QCOMPARE(rows[1].FErrorText, u"タグを書き込めませんでした"_s);
    QCOMPARE(rows[2].FErrorText, u"出力先の容量が足りません"_s);
}

void TstDialogs::logSave()
{
    QTemporaryDir dir;
    TScriptedDialogs dialogs;
    TLogForm form(dialogs);
    TITBSongList songs;
    form.Fill(songs, AddFailedSongs(songs, {-2, -1, -3}));
    const QString path = dir.filePath(u"log.TXT"_s);
    dialogs.FFileAnswers = {{path}};
    form.SaveLogAs();
    const QStringList lines = ShiftJisToUnicode(ReadFixtureFile(path)).split(u"\r\n"_s, Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{u"1 :「曲A」(歌手A) - データファイルが存在しません"_s,
                                 u"2 :「曲B」(歌手B) - 何らかの理由でデータ転送できません"_s,
                                 u"3 :「曲C」(歌手C) - 出力先の容量が足りません"_s}));
    QVERIFY(dialogs.FCalls.first().text.startsWith(u"ログファイルの保存|転送失敗ログ("_s));

    // A folder that cannot be written raises the write error.
    dialogs.FFileAnswers = {{dir.filePath(u"missing/log.TXT"_s)}};
    QVERIFY_THROWS_EXCEPTION(ESorvoError, form.SaveLogAs());
    // Cancelled: nothing written.
    dialogs.FFileAnswers.clear();
    form.SaveLogAs();
}

void TstDialogs::messageBoxButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::addRow("yes no") << int(QMessageBox::Yes | QMessageBox::No)
                            << QStringList{u"はい(&Y)"_s, u"いいえ(&N)"_s};
    QTest::addRow("yes no cancel") << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                   << QStringList{u"はい(&Y)"_s, u"いいえ(&N)"_s, u"キャンセル"_s};
    QTest::addRow("ok") << int(QMessageBox::Ok) << QStringList{u"OK"_s};
}

void TstDialogs::messageBoxButtons()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, texts);
    const auto box = TWidgetDialogs::MakeBox(nullptr, QMessageBox::Warning, u"Sorvo"_s, u"本文"_s,
                                             QMessageBox::StandardButtons(buttons));
    QStringList shown;
    for (QAbstractButton *button : box->buttons())
        shown.append(button->text());
    shown.sort();
    texts.sort();
    QCOMPARE(shown, texts);
}

void TstDialogs::shellOpenWithoutProgram_data()
{
    QTest::addColumn<QByteArray>("opener"); // the xdg-open script on the path; empty: none at all
    QTest::addRow("no opener") << QByteArray();
    QTest::addRow("opener finds no program") << QByteArray("#!/bin/sh\nexit 3\n");
}

void TstDialogs::shellOpenWithoutProgram()
{
    QFETCH(QByteArray, opener);
    QTemporaryDir bin;
    if (!opener.isEmpty()) {
        const QString script = bin.filePath(u"xdg-open"_s);
        QVERIFY(WriteFixtureFile(script, opener));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    const auto restore = qScopeGuard([&path] { qputenv("PATH", path); });
    // The message box is read and closed whenever it shows, during the call or after it.
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(10);
    const QString folder = bin.filePath(u"取り出し先"_s);
    TWidgetDialogs().ShellOpen(folder);
    QTRY_VERIFY(!shown.isEmpty());
    QVERIFY2(shown.contains(QDir::toNativeSeparators(folder)), qPrintable(shown));
    QVERIFY(shown.contains(u"開くプログラムが見つかりません"_s));
}

void TstDialogs::guardedErrors()
{
    TScriptedDialogs dialogs;
    QVERIFY(RunGuarded(dialogs, [] {}));
    QVERIFY(!RunGuarded(dialogs, [] { throw ESorvoError(u"読めません"_s); }));
    QVERIFY(!RunGuarded(dialogs, [] { throw std::runtime_error("broken"); }));
    QCOMPARE(dialogs.Texts(u"error"_s), (QStringList{u"読めません"_s, u"broken"_s}));
}

void TstDialogs::qtTranslation()
{
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_ja.qm"_s;
    if (!QFileInfo::exists(file))
        QSKIP("Qt's Japanese translation is not installed (scripts/install-deps.sh installs it)");
    QVERIFY(InstallUiLanguage(*qApp, TUiLanguage::Japanese));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), u"開く(&O)"_s);
}

void TstDialogs::configCancel()
{
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"Velmor.INI"_s));
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TConfigForm form(settings, drives, dialogs);
    form.findChild<QCheckBox *>(u"ChkBox_DriveLock"_s)->setChecked(true);
    form.findChild<QComboBox *>(u"ComboBox_Drive"_s)->setEditText(u"/media/IPOD"_s);
    ClickInModal(u"Button_Cancel"_s);
    QCOMPARE(form.exec(), int(QDialog::Rejected));
    QVERIFY(!settings.FRecognize_MakeFolder);
    QCOMPARE(settings.FDriveLockPath, QString());
}

void TstDialogs::configOk()
{
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"Velmor.INI"_s));
    TFakeDriveTable drives;
    drives.Add(u"/media/A"_s, true);
    drives.Add(u"/media/B"_s, true);
    TScriptedDialogs dialogs;
    TConfigForm form(settings, drives, dialogs);
    auto *combo = form.findChild<QComboBox *>(u"ComboBox_Drive"_s);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), u"/media/A"_s);
    QCOMPARE(combo->itemText(1), u"/media/B"_s);

    // Every control flipped from its default.
    const QStringList boxes = {
        u"ChkBox_DriveLock"_s,      u"CheckBox_RSS_AddDate"_s,  u"CheckBox_RSS_AddURL"_s,
        u"ChkBox_NewsAutoUpload"_s, u"CheckBox_PageNo"_s,       u"CheckBox_CopyDir"_s,
        u"CheckBox_NextLink"_s,     u"CheckBox_TitleAdd"_s,     u"CheckBox_DelRuby"_s,
        u"CheckBox_Encode"_s,       u"CheckBox_MemDivEveryOn"_s};
    for (const QString &name : boxes) {
        auto *box = form.findChild<QCheckBox *>(name);
        QVERIFY2(box, qPrintable(name));
        box->setChecked(!box->isChecked());
    }
    // The save folder is not used without per-text folders: anything goes then.
    combo->setEditText(u"/media/IPOD"_s);
    form.findChild<QLineEdit *>(u"Edit_NewsFolder"_s)->setText(u"News"_s);
    form.findChild<QSpinBox *>(u"SpinEdit_BaseSize"_s)->setValue(-5);
    auto *language = form.findChild<QComboBox *>(u"ComboBox_Language"_s);
    QCOMPARE(language->currentIndex(), 0); // the system's language until one is chosen
    language->setCurrentIndex(language->findText(u"English"_s));
    ClickInModal(u"Button_Ok"_s);
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    QCOMPARE(settings.FLanguage, u"en"_s);

    QVERIFY(settings.FRecognize_MakeFolder);
    QCOMPARE(settings.FDriveLockPath, u"/media/IPOD"_s);
    QCOMPARE(settings.FSaveFolder, u"News"_s);
    QVERIFY(settings.FAddRSSDate);
    QVERIFY(settings.FAddRSSURL);
    QVERIFY(settings.FAutoDownLoad);
    QVERIFY(!settings.FMakePageNo);
    QVERIFY(!settings.FTextDivide_MakeFolder);
    QVERIFY(!settings.FMakeLink);
    QVERIFY(!settings.FAddTitle);
    QCOMPARE(settings.FMakeWordSize, -5);
    QVERIFY(settings.FMakeDelRuby);
    QVERIFY(!settings.FAddEncoded);
    QVERIFY(!settings.FEveryDisplay);
}

void TstDialogs::configRefusesSaveFolder()
{
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"Velmor.INI"_s));
    settings.FTextDivide_MakeFolder = true;
    settings.FSaveFolder = u"News"_s;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TConfigForm form(settings, drives, dialogs);
    form.findChild<QLineEdit *>(u"Edit_NewsFolder"_s)->setText(u"../Music"_s);
    form.findChild<QCheckBox *>(u"ChkBox_DriveLock"_s)->setChecked(true);
    form.Confirm();
    QCOMPARE(dialogs.Texts(u"warning"_s).size(), 1);
    QCOMPARE(settings.FSaveFolder, u"News"_s);
    QVERIFY(!settings.FRecognize_MakeFolder);
}

void TstDialogs::specValues_data()
{
    QTest::addColumn<QString>("modelCode");
    QTest::addColumn<int>("picture");
    QTest::addRow("nano2") << u"nano2"_s << 5;
    QTest::addRow("empty") << QString() << 1;
    QTest::addRow("5G") << u"5G"_s << 4;
    QTest::addRow("mini") << u"mini"_s << 0;
}

void TstDialogs::specValues()
{
    QFETCH(QString, modelCode);
    QFETCH(int, picture);
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TPlayerInfo device;
    device.FRoot = dir.path() + u'/';
    device.FModelCode = modelCode;
    device.FKindName = u"iPod"_s;
    device.FCapacity = u"30GB"_s;
    device.FName = u"テストのiPod"_s;
    device.FTotalBytes = qint64(1536) << 20;
    device.FSongCount = 1234;
    device.FSysInfoFile = dir.filePath(u"SysInfo"_s);
    QVERIFY(WriteFixtureFile(device.FSysInfoFile, "ModelNumStr: xA002\n"));
    TScriptedDialogs dialogs;
    TSpecForm form(device, dialogs);
    QCOMPARE(form.PictureIndex(), picture);
    QCOMPARE(form.findChild<QLabel *>(u"Label_PodMachine"_s)->text(), u"iPod ( 30GB )"_s);
    QCOMPARE(form.findChild<QLabel *>(u"Label_PodName"_s)->text(), u"テストのiPod"_s);
    QVERIFY(form.findChild<QLabel *>(u"Label_PodHDD"_s)->text().endsWith(u" MB"_s));
    QVERIFY(form.findChild<QLabel *>(u"Label_PodSongs"_s)->text().endsWith(u" 曲"_s));
    QCOMPARE(form.findChild<QPlainTextEdit *>(u"IniMemo"_s)->toPlainText(), u"ModelNumStr: xA002\n"_s);
    const QImage image = form.findChild<QLabel *>(u"IPODImage"_s)->pixmap().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(1, image.height() - 2), QColor(Qt::white));
}

void TstDialogs::diskCheckDeclined()
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TPlayerInfo device;
    device.FRoot = dir.path() + u'/';
    TScriptedDialogs dialogs;
    dialogs.FAnswers = {TDialogAnswer::No};
    TSpecForm form(device, dialogs);
    TDiskCheck check; // a player that is a device of its own
    check.possible = true;
    check.command = u"/bin/true"_s;
    form.SetDiskCheck(check);
    QVERIFY(form.findChild<QPushButton *>(u"Button1"_s)->isEnabled());
    form.CheckDisk();
    QCOMPARE(dialogs.Texts(u"yesno"_s).size(), 1);
    QCOMPARE(form.findChild<QPlainTextEdit *>(u"ConsoleMemo"_s)->toPlainText(), QString());
    QVERIFY(dialogs.Texts(u"warning"_s).isEmpty());
}

void TstDialogs::diskCheckFolder()
{
    // A player that is a folder on another file system cannot be checked.
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TPlayerInfo device;
    device.FRoot = dir.path() + u'/';
    TScriptedDialogs dialogs;
    dialogs.FAnswers = {TDialogAnswer::Yes};
    TSpecForm form(device, dialogs);
    QVERIFY(!PlanDiskCheck(dir.path()).possible);
    // The button is off and the note says why, before anything is asked.
    const QString reason =
        u"このプレーヤーはフォルダで、マウントされたデバイスではないため、スキャンディスクできません"_s;
    QVERIFY(!form.findChild<QPushButton *>(u"Button1"_s)->isEnabled());
    QCOMPARE(form.findChild<QPushButton *>(u"Button1"_s)->toolTip(), reason);
    QCOMPARE(form.findChild<QLabel *>(u"Label_ScanNote"_s)->text(), u"※"_s + reason);
    form.CheckDisk(); // reached anyway (a shortcut, a script): it still asks nothing
    QVERIFY(dialogs.Texts(u"yesno"_s).isEmpty());
    QCOMPARE(dialogs.Texts(u"warning"_s), QStringList{u"このドライブはスキャンディスクできません"_s});
    QCOMPARE(form.findChild<QPlainTextEdit *>(u"ConsoleMemo"_s)->toPlainText(), QString());
}

void TstDialogs::diskCheckNote_data()
{
    QTest::addColumn<bool>("repairs");
    QTest::addColumn<QString>("note");
    QTest::addRow("read-only checker")
        << false
        << u"※iPod内のデータの損傷をチェックします。読み取りのみで、修正は行いません。"
           u"iPod nanoやShuffleには絶対に使用しないで下さい。"_s;
    QTest::addRow("repairing checker") << true
                                       << u"※iPod内のデータの損傷をチェックし修正を行います。"
                                          u"iPod nanoやShuffleには絶対に使用しないで下さい。"_s;
}

void TstDialogs::diskCheckNote()
{
    // The note promises repairs only where the checker makes them.
    QFETCH(bool, repairs);
    QFETCH(QString, note);
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TPlayerInfo device;
    device.FRoot = dir.path() + u'/';
    TScriptedDialogs dialogs;
    TSpecForm form(device, dialogs);
    TDiskCheck check;
    check.possible = true;
    check.repairs = repairs;
    check.command = u"/bin/true"_s;
    form.SetDiskCheck(check);
    QCOMPARE(form.findChild<QLabel *>(u"Label_ScanNote"_s)->text(), note);
    QVERIFY(form.findChild<QPushButton *>(u"Button1"_s)->toolTip().isEmpty());
#ifndef Q_OS_WIN
    QVERIFY(!PlanDiskCheck(u"/"_s).repairs); // fsck -n here never mends
#endif
}

void TstDialogs::diskCheckOutput()
{
    const QDateTime now(QDate(2026, 12, 10), QTime(9, 30));
    TDiskCheck check;
    check.possible = true;
    check.note = u"（読み取り専用のチェックです。修正は行いません）"_s;
    check.command = u"/bin/sh -c \"echo clean; echo refused >&2; exit 8\""_s;
    const QStringList lines = RunDiskCheck(check, now).split(u'\n');
    QVERIFY(lines[0].startsWith(u"<< scandisk is ran at "_s));
    QVERIFY(lines[0].endsWith(u" >>"_s));
    QCOMPARE(lines.mid(1), (QStringList{check.note, u"clean"_s, u"refused"_s, u"終了コード: 8"_s}));

    check.command = u"/bin/true"_s;
    QCOMPARE(RunDiskCheck(check, now).split(u'\n').mid(1), (QStringList{check.note, u"終了コード: 0"_s}));

    check.command = u"/nonexistent/fsck -n /dev/null"_s;
    QVERIFY_THROWS_EXCEPTION(ELaunchFailed, RunDiskCheck(check, now));
}

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
