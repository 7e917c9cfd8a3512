#include "platform/diskcheck.h"

#include "common/paths.h"
#include "platform/consolerun.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

TDiskCheck PlanDiskCheck(const QString &root)
{
    TDiskCheck check;
#ifdef Q_OS_WIN
    check.possible = true;
    check.repairs = true;
    check.command = u"chkdsk "_s + QDir::toNativeSeparators(AddPathDelim(root)) + u" /F"_s;
#else
    const QStorageInfo storage(root);
    const QString device = QString::fromLocal8Bit(storage.device());
    if (!storage.isValid() || QDir::cleanPath(storage.rootPath()) != QDir::cleanPath(root) ||
        !device.startsWith(u"/dev/"_s)) {
        check.reason = QCoreApplication::translate(
            "DiskCheck",
            "このプレーヤーはフォルダで、マウントされたデバイスではないため、スキャンディスクできません");
        return check;
    }
    check.possible = true;
    check.command = u"/usr/sbin/fsck -n "_s + device;
    check.note = QCoreApplication::translate("DiskCheck", "（読み取り専用のチェックです。修正は行いません）");
#endif
    return check;
}

QString RunDiskCheck(const TDiskCheck &check, const QDateTime &now)
{
    QByteArray output;
    QByteArray errors;
    const int code = ConsoleRun(check.command, QByteArray(), output, errors);
    QString text = u"<< scandisk is ran at "_s + QLocale().toString(now, QLocale::ShortFormat) + u" >>\n"_s;
    if (!check.note.isEmpty())
        text += check.note + u'\n';
    text += QString::fromLocal8Bit(output);
    if (!text.endsWith(u'\n'))
        text += u'\n';
    // The errors and the exit code are shown, so that a refused check does not look like a clean one.
    if (!errors.isEmpty()) {
        text += QString::fromLocal8Bit(errors);
        if (!text.endsWith(u'\n'))
            text += u'\n';
    }
    text += QCoreApplication::translate("DiskCheck", "終了コード: %1").arg(code);
    return text;
}
