#include "widgetdialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {
QString Caption()
{
    return QApplication::applicationName();
}
} // namespace

void TWidgetDialogs::Warning(const QString &text)
{
    QMessageBox::warning(FOwner, Caption(), text);
}
void TWidgetDialogs::Information(const QString &text)
{
    QMessageBox::information(FOwner, Caption(), text);
}
void TWidgetDialogs::Error(const QString &title, const QString &text)
{
    QMessageBox::critical(FOwner, title.isEmpty() ? Caption() : title, text);
}
TDialogAnswer TWidgetDialogs::AskYesNo(const QString &text)
{
    return QMessageBox::question(FOwner, Caption(), text, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? TDialogAnswer::Yes
               : TDialogAnswer::No;
}
TDialogAnswer TWidgetDialogs::AskYesNoCancel(const QString &text)
{
    switch (QMessageBox::question(FOwner, Caption(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
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
    return QMessageBox::question(FOwner, Caption(), text, QMessageBox::Ok | QMessageBox::Cancel) ==
                   QMessageBox::Ok
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
    QFileDialog dialog(FOwner, title, proposedPath, FilterToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExt);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
bool TWidgetDialogs::BrowseForFolder(QString &folder)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(FOwner, u"フォルダを選択してください。"_s, folder);
    if (chosen.isEmpty())
        return false;
    folder = chosen;
    return true;
}
bool TWidgetDialogs::InputBox(const QString &caption, const QString &prompt, QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(FOwner, caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
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
    QDesktopServices::openUrl(url);
}
