#include "news/taganalysis.h"

#include "common/japanese.h"
#include "news/tokenreader.h"

void TTagAnalysis::Parse(QByteArrayView tag)
{
    QByteArray s = TrimBlanks(tag);
    if (s.startsWith('<') && s.endsWith('>'))
        s = TrimBlanks(QByteArrayView(s).chopped(1));
    const qsizetype blank = s.indexOf(' ');
    const QByteArray text = blank >= 0 ? TrimBlanks(QByteArrayView(s).sliced(blank + 1)) : s;

    FItems.clear();
    bool valueMode = false;
    QByteArray name;
    QByteArray value;
    // The switch is turned on at "=" and off by the opening quote: it is off exactly inside quotes,
    // so a blank inside a quoted value ends the value and an unquoted value runs on past blanks.
    bool quoteSwitch = false;
    int quotes = 0;
    for (const char c : text) {
        if (!valueMode) {
            if (c == '=') {
                FItems.append(TTagItem{ShiftJisToUnicode(TrimBlanks(name)), QString()});
                value.clear();
                quotes = 0;
                quoteSwitch = true;
                valueMode = true;
            } else {
                name.append(c);
            }
            continue;
        }
        if (!quoteSwitch && (!value.isEmpty() || quotes >= 2) && c == ' ') {
            FItems.last().FValue = ShiftJisToUnicode(value);
            name.clear();
            valueMode = false;
        }
        if (c == '"') {
            quoteSwitch = !quoteSwitch;
            ++quotes;
            if (!value.isEmpty()) {
                FItems.last().FValue = ShiftJisToUnicode(value);
                valueMode = false;
                name.clear();
                quotes = 0;
            }
            continue;
        }
        value.append(c);
    }
    if (valueMode && !value.isEmpty())
        FItems.last().FValue = ShiftJisToUnicode(value);
}

QString TTagAnalysis::ValueOf(const QString &name) const
{
    for (qsizetype i = FItems.size() - 1; i >= 0; --i) {
        if (FItems[i].FName.compare(name, Qt::CaseInsensitive) == 0)
            return FItems[i].FValue;
    }
    return {};
}
