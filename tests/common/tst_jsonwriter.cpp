#include "common/jsonwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The writer must give exactly the bytes of QJsonDocument::Indented, which the listings printed before.
class TstJsonWriter : public QObject
{
    Q_OBJECT
private slots:
    void sameAsQt_data();
    void sameAsQt();
    void randomDocuments();
};

namespace {

void Feed(TJsonWriter &w, const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Array:
        w.BeginArray();
        for (const QJsonValue &item : v.toArray())
            Feed(w, item);
        w.EndArray();
        break;
    case QJsonValue::Object: {
        w.BeginObject();
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            w.Key(it.key());
            Feed(w, it.value());
        }
        w.EndObject();
        break;
    }
    case QJsonValue::String: w.Value(v.toString()); break;
    case QJsonValue::Bool: w.Value(v.toBool()); break;
    default: w.Value(v.toInteger()); break;
    }
}

QByteArray Ours(const QJsonValue &v)
{
    TJsonWriter w;
    Feed(w, v);
    return w.Bytes();
}

QByteArray Qts(const QJsonValue &v)
{
    return v.isArray() ? QJsonDocument(v.toArray()).toJson(QJsonDocument::Indented)
                       : QJsonDocument(v.toObject()).toJson(QJsonDocument::Indented);
}

QString AllControls()
{
    QString s;
    for (char16_t c = 0; c < 0x20; ++c)
        s += QChar(c);
    return s;
}

} // namespace

void TstJsonWriter::sameAsQt_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addRow("empty array") << QJsonValue(QJsonArray{});
    QTest::addRow("empty object") << QJsonValue(QJsonObject{});
    QTest::addRow("empty containers nested")
        << QJsonValue(QJsonArray{QJsonArray{}, QJsonObject{}, QJsonObject{{u"a"_s, QJsonArray{}}}});
    QTest::addRow("controls and escapes")
        << QJsonValue(QJsonArray{AllControls(), u"\"quoted\" back\\slash / \x7f"_s});
    QTest::addRow("UTF-8 lengths") << QJsonValue(QJsonArray{u"é ß 曲名 😀 end"_s});
    QTest::addRow("lone surrogates")
        << QJsonValue(QJsonArray{QString(QString(QChar(0xd800)) + u"x"_s), QString(u"x"_s + QChar(0xdc00)),
                                 QString(u"end "_s + QChar(0xdbff))});
    QTest::addRow("numbers and flags")
        << QJsonValue(QJsonObject{{u"zero"_s, 0},
                                  {u"negative"_s, -42},
                                  {u"large"_s, qint64(1) << 53},
                                  {u"size"_s, qint64(5'000'000'000)},
                                  {u"yes"_s, true},
                                  {u"no"_s, false}});
    QTest::addRow("song rows") << QJsonValue(QJsonArray{
        QJsonObject{{u"album"_s, u"A"_s}, {u"index"_s, 0}, {u"is_video"_s, false}},
        QJsonObject{{u"album"_s, u"曲"_s}, {u"index"_s, 1}, {u"is_video"_s, true}}});
}

void TstJsonWriter::sameAsQt()
{
    QFETCH(QJsonValue, value);
    QCOMPARE(Ours(value), Qts(value));
}

// Trees of every shape up to four levels deep, with strings of random code units.
void TstJsonWriter::randomDocuments()
{
    QRandomGenerator random(20261210);
    std::function<QJsonValue(int)> make = [&](int depth) -> QJsonValue {
        const int kind = int(random.bounded(depth >= 4 ? 3 : 5));
        switch (kind) {
        case 0: {
            QString s;
            for (int i = int(random.bounded(12)); i > 0; --i)
                s += QChar(char16_t(random.bounded(2) ? random.bounded(0x80) : random.bounded(0x10000)));
            return s;
        }
        case 1: return qint64(random.generate64()) >> int(random.bounded(64));
        case 2: return random.bounded(2) == 1;
        case 3: {
            QJsonArray a;
            for (int i = int(random.bounded(4)); i > 0; --i)
                a.append(make(depth + 1));
            return a;
        }
        default: {
            QJsonObject o;
            for (int i = int(random.bounded(4)); i > 0; --i)
                o.insert(u"k%1"_s.arg(random.bounded(100)), make(depth + 1));
            return o;
        }
        }
    };
    for (int i = 0; i < 500; ++i) {
        const QJsonValue v = random.bounded(2) ? QJsonValue(QJsonArray{make(1), make(1)})
                                               : QJsonValue(QJsonObject{{u"a"_s, make(1)}, {u"b"_s, make(1)}});
        QCOMPARE(Ours(v), Qts(v));
    }
}

QTEST_GUILESS_MAIN(TstJsonWriter)
#include "tst_jsonwriter.moc"
