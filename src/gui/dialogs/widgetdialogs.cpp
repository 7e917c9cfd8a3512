#include "dialogs/widgetdialogs.h"

#include "common/format.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {
QString Caption()
{
    return QApplication::applicationName();
}
} // namespace

std::unique_ptr<QMessageBox> TWidgetDialogs::MakeBox(QWidget *owner, QMessageBox::Icon icon,
                                                     const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, owner);
    const struct
    {
        QMessageBox::StandardButton button;
        QString text;
    } texts[] = {{QMessageBox::Yes, tr("はい(&Y)")},
                 {QMessageBox::No, tr("いいえ(&N)")},
                 {QMessageBox::Cancel, tr("キャンセル")},
                 {QMessageBox::Ok, u"OK"_s}};
    for (const auto &t : texts)
        if (QAbstractButton *b = box->button(t.button))
            b->setText(t.text);
    if (buttons & QMessageBox::Cancel)
        box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

QMessageBox::StandardButton TWidgetDialogs::Show(QMessageBox::Icon icon, const QString &title,
                                                 const QString &text, QMessageBox::StandardButtons buttons)
{
    const auto box = MakeBox(FOwner, icon, title.isEmpty() ? Caption() : title, text, buttons);
    box->exec();
    return box->standardButton(box->clickedButton());
}

void TWidgetDialogs::Warning(const QString &text)
{
    Show(QMessageBox::Warning, {}, text, QMessageBox::Ok);
}
void TWidgetDialogs::Information(const QString &text)
{
    Show(QMessageBox::Information, {}, text, QMessageBox::Ok);
}
void TWidgetDialogs::Error(const QString &title, const QString &text)
{
    Show(QMessageBox::Critical, title, text, QMessageBox::Ok);
}
TDialogAnswer TWidgetDialogs::AskYesNo(const QString &text)
{
    return Show(QMessageBox::Warning, {}, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
               ? TDialogAnswer::Yes
               : TDialogAnswer::No;
}
TDialogAnswer TWidgetDialogs::AskYesNoCancel(const QString &text)
{
    switch (Show(QMessageBox::Question, {}, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return TDialogAnswer::Yes;
    case QMessageBox::No:
        return TDialogAnswer::No;
    default:
        return TDialogAnswer::Cancel;
    }
}
TDialogAnswer TWidgetDialogs::AskOkCancel(const QString &text)
{
    return Show(QMessageBox::Question, {}, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
               ? TDialogAnswer::Ok
               : TDialogAnswer::Cancel;
}
QStringList TWidgetDialogs::OpenFileNames(const QString &title, const QString &filter, const QString &folder,
                                          bool multiple)
{
    if (multiple)
        return QFileDialog::getOpenFileNames(FOwner, title, folder, FilterToQt(filter));
    const QString name = QFileDialog::getOpenFileName(FOwner, title, folder, FilterToQt(filter));
    return name.isEmpty() ? QStringList() : QStringList{name};
}
QString TWidgetDialogs::SaveFileName(const QString &title, const QString &filter, const QString &defaultExt,
                                     const QString &proposedPath)
{
    return RunSaveDialog(title, filter, defaultExt, proposedPath, true);
}
QString TWidgetDialogs::SaveFileNameNoOverwriteQuestion(const QString &title, const QString &filter,
                                                        const QString &defaultExt,
                                                        const QString &proposedPath)
{
    return RunSaveDialog(title, filter, defaultExt, proposedPath, false);
}
QString TWidgetDialogs::RunSaveDialog(const QString &title, const QString &filter, const QString &defaultExt,
                                      const QString &proposedPath, bool askOverwrite)
{
    QFileDialog dialog(FOwner, title, proposedPath, FilterToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askOverwrite);
    dialog.setDefaultSuffix(defaultExt);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
TSaveChoice TWidgetDialogs::SaveFileChoice(const QString &title, const QString &filter,
                                           const QString &proposedPath)
{
    QFileDialog dialog(FOwner, title, proposedPath, FilterToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // the caller asks, once
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(),
            qMax(0, int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())))};
}
bool TWidgetDialogs::BrowseForFolder(QString &folder)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(FOwner, tr("フォルダを選択してください。"), folder);
    if (chosen.isEmpty())
        return false;
    folder = chosen;
    return true;
}
bool TWidgetDialogs::InputBox(const QString &caption, const QString &prompt, QString &value)
{
    QInputDialog dialog(FOwner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(u"OK"_s);
    dialog.setCancelButtonText(tr("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}
void TWidgetDialogs::SetClipboardText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}
void TWidgetDialogs::SetClipboardImage(const QImage &image)
{
    QApplication::clipboard()->setImage(image);
}
void TWidgetDialogs::ShellOpen(const QString &target)
{
    const QUrl url = target.contains(u"://"_s) ? QUrl(target) : QUrl::fromLocalFile(target);
    const QString failed = Format(
        tr("[ %s ] を開くプログラムが見つかりません。ファイルマネージャーやブラウザで開いてください。"),
        {url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : target});
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt only reports that xdg-open started; its exit status tells whether some program took the target.
    const QString opener = QStandardPaths::findExecutable(u"xdg-open"_s);
    if (!opener.isEmpty()) {
        auto *process = new QProcess(qApp);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        const QPointer<QWidget> owner = FOwner;
        const auto report = [process, owner, failed](bool ok) {
            process->deleteLater();
            if (!ok)
                TWidgetDialogs(owner).Warning(failed);
        };
        QObject::connect(process, &QProcess::finished, process,
                         [report](int code, QProcess::ExitStatus status) {
                             report(status == QProcess::NormalExit && code == 0);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [report](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                report(false);
        });
        process->start(opener, {url.toString()});
        return;
    }
#endif
    if (!QDesktopServices::openUrl(url))
        Warning(failed);
}
