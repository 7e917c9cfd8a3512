#include "cli/clicommand.h"

#include "cli/cliregistry.h"
#include "common/textutils.h"

#include "app/settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

bool TCliArgs::Flag(const QString &name)
{
    return FArgs.removeAll(name) > 0;
}

QString TCliArgs::Value(const QString &name, const QString &defaultValue)
{
    const QStringList all = Values(name);
    return all.isEmpty() ? defaultValue : all.last();
}

QStringList TCliArgs::Values(const QString &name)
{
    QStringList out;
    const QString prefix = name + u'=';
    for (qsizetype i = 0; i < FArgs.size();) {
        if (FArgs[i] == name && i + 1 < FArgs.size()) {
            out << FArgs[i + 1];
            FArgs.remove(i, 2);
        } else if (FArgs[i].startsWith(prefix)) {
            out << FArgs[i].mid(prefix.size());
            FArgs.remove(i);
        } else {
            ++i;
        }
    }
    return out;
}

QStringList TCliArgs::Rest(QString *error) const
{
    for (const QString &a : FArgs)
        if (a.startsWith(u"--"_s) && error)
            *error = QCoreApplication::translate("CliCommand", "不明なオプションです: %1").arg(a);
    return FArgs;
}

QStringList TCliContext::Operands(qsizetype minimum, qsizetype maximum) const
{
    QString error;
    const QStringList rest = args.Rest(&error);
    if (!error.isEmpty())
        throw ECliUsageError(error);
    if (rest.size() > maximum)
        throw ECliUsageError(
            QCoreApplication::translate("CliCommand", "不明な引数です: %1").arg(rest.at(maximum)));
    if (rest.size() < minimum)
        throw ECliUsageError(QCoreApplication::translate("CliCommand", "引数が足りません"));
    return rest;
}

QString TCliContext::SettingsFile() const
{
    return line.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath() : line.settingsFile;
}

QString TCliCommandInfo::Summary() const
{
    return QCoreApplication::translate("CliCommand", FSummary);
}

QString TCliCommandInfo::Usage() const
{
    const QString arguments = QCoreApplication::translate("CliCommand", FUsage);
    //: %1 is the command with its arguments
    return QCoreApplication::translate("CliCommand", "使い方: sorvo-cli %1")
        .arg(arguments.isEmpty() ? FName : FName + u' ' + arguments);
}

QString TCliCommandInfo::HelpText() const
{
    return FName + u": "_s + Summary() + u'\n' + Usage() + u'\n';
}

QList<TCliCommandInfo> &CliCommands()
{
    static QList<TCliCommandInfo> commands;
    return commands;
}

TCliCommand::TCliCommand(const TCliCommandSpec &spec, TCliHandler handler)
{
    CliCommands().append(
        {QString::fromUtf16(spec.name), spec.summary, spec.usage, spec.json, std::move(handler)});
}

static void Write(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
}

void CliOut(const QString &text)
{
    Write(stdout, text);
}
void CliErr(const QString &text)
{
    Write(stderr, text);
}

void CliJson(const QJsonValue &value)
{
    QByteArray bytes;
    if (value.isArray())
        bytes = QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented);
    else if (value.isObject())
        bytes = QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented);
    else
        bytes = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    CliWriteBytes(bytes);
}

void CliWriteBytes(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

// Columns on a terminal: East Asian wide characters take two cells.
static qsizetype DisplayWidth(const QString &text)
{
    qsizetype width = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        if (!c.isLowSurrogate())
            width += wide ? 2 : 1;
    }
    return width;
}

void CliTable(const QList<QStringList> &rawRows)
{
    // Text from tags and databases is shown escaped, so that it cannot drive the terminal.
    QList<QStringList> rows = rawRows;
    for (QStringList &row : rows)
        for (QString &cell : row)
            cell = EscapeControlChars(cell);
    QList<qsizetype> widths;
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = qMax(widths[c], DisplayWidth(row[c]));
        }
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += QString(widths[c] - DisplayWidth(row[c]) + 2, u' ');
        }
        CliOut(line + u'\n');
    }
}
