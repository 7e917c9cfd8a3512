#pragma once

#include <QString>
#include <QTranslator>

/// A translator that marks every text ("EN:" before the source), so that a test sees which texts are
/// translated and which stay as they are.
class TMarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("EN:") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};
