#include "common/japanese.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstJapanese : public QObject
{
    Q_OBJECT
private slots:
    void shiftJisRoundTrip_data();
    void shiftJisRoundTrip();
    void unmappableBecomesQuestionMark();
    void missingCharacters_data();
    void missingCharacters();
    void detect_data();
    void detect();
    void jisToShiftJis_data();
    void jisToShiftJis();
    void eucMatchesJis_data();
    void eucMatchesJis();
    void eucHalfWidthKana();
};

void TstJapanese::shiftJisRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("ascii") << u"abc 123"_s << QByteArray("abc 123");
    QTest::addRow("hiragana") << u"あ"_s << QByteArray("\x82\xa0");
    QTest::addRow("kanji") << u"日本"_s << QByteArray("\x93\xfa\x96\x7b");
    QTest::addRow("half-width kana") << u"ｱ"_s << QByteArray("\xb1");
    QTest::addRow("NEC circled one") << u"①"_s << QByteArray("\x87\x40");
    QTest::addRow("IBM extension") << u"纊"_s << QByteArray("\xfa\x5c");
    QTest::addRow("wave dash as Windows maps it") << u"～"_s << QByteArray("\x81\x60");
    QTest::addRow("backslash stays") << u"a\\b"_s << QByteArray("a\\b");
}

void TstJapanese::shiftJisRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(UnicodeToShiftJis(text), bytes);
    QCOMPARE(ShiftJisToUnicode(bytes), text);
}

void TstJapanese::unmappableBecomesQuestionMark()
{
    QCOMPARE(UnicodeToShiftJis(u"café 한 😀!"_s), QByteArray("caf? ? ?!"));
}

void TstJapanese::missingCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("missing");
    QTest::addRow("all held") << u"日本語 ｶﾅ ①～ ? abc"_s << QStringList{};
    QTest::addRow("each once, in order") << u"é ü 한 é å ü"_s << QStringList{u"é"_s, u"ü"_s, u"한"_s, u"å"_s};
    QTest::addRow("a pair is one character") << u"a😀b😀"_s << QStringList{u"😀"_s};
    QTest::addRow("question mark itself kept") << u"?é?"_s << QStringList{u"é"_s};
    QTest::addRow("empty") << QString() << QStringList{};
}

void TstJapanese::missingCharacters()
{
    QFETCH(QString, text);
    QFETCH(QStringList, missing);
    QCOMPARE(ShiftJisMissingCharacters(text), missing);
}

void TstJapanese::detect_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::addRow("plain ascii") << QByteArray("hello world\r\n") << 2;
    QTest::addRow("empty") << QByteArray() << 2;
    QTest::addRow("iso-2022-jp") << QByteArray("abc\x1b$B$\"\x1b(Bdef") << 1;
    QTest::addRow("escape at the first byte") << QByteArray("\x1b$B$\"\x1b(B") << 1;
    QTest::addRow("shift-jis") << QByteArray("\x82\xa0\x82\xa2 text") << 0;
    QTest::addRow("escape after shift-jis") << QByteArray("\x82\xa0\x1b$B$\"\x1b(B") << 1;
    QTest::addRow("euc-jp") << QByteArray("\xa4\xa2\xa4\xa4 text") << 2;
}

void TstJapanese::detect()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(DetectJapaneseEncoding(text), expected);
}

void TstJapanese::jisToShiftJis_data()
{
    QTest::addColumn<QByteArray>("jis");
    QTest::addColumn<QByteArray>("sjis");
    QTest::addRow("0x2422") << QByteArray("\x1b$B$\"\x1b(B") << QByteArray("\x82\xa0");
    QTest::addRow("mixed with ascii and line ends")
        << QByteArray("A\x1b$BF|K\\\x1b(B\r\nB") << QByteArray("A\x93\xfa\x96\x7b\r\nB");
    QTest::addRow("odd first byte") << QByteArray("\x1b$B%\"\x1b(B") << QByteArray("\x83\x41");
    QTest::addRow("unterminated pair is copied") << QByteArray("\x1b$B$") << QByteArray("$");
}

void TstJapanese::jisToShiftJis()
{
    QFETCH(QByteArray, jis);
    QFETCH(QByteArray, sjis);
    QCOMPARE(JisToShiftJis(jis), sjis);
}

void TstJapanese::eucMatchesJis_data()
{
    QTest::addColumn<QByteArray>("euc");
    QTest::addColumn<QByteArray>("jis");
    QTest::addColumn<QString>("text");
    QTest::addRow("kanji") << QByteArray("\xc6\xfc\xcb\xdc\xb8\xec") << QByteArray("\x1b$BF|K\\8l\x1b(B")
                           << u"日本語"_s;
    QTest::addRow("mixed lines") << QByteArray("a\xa4\xa2\r\n\xa5\xa2"
                                               "b")
                                 << QByteArray("a\x1b$B$\"\x1b(B\r\n\x1b$B%\"\x1b(Bb") << u"aあ\r\nアb"_s;
}

void TstJapanese::eucMatchesJis()
{
    QFETCH(QByteArray, euc);
    QFETCH(QByteArray, jis);
    QFETCH(QString, text);
    QCOMPARE(EucToShiftJis(euc), JisToShiftJis(jis));
    QCOMPARE(EucToShiftJis(euc), UnicodeToShiftJis(text));
}

void TstJapanese::eucHalfWidthKana()
{
    // SS2 + byte: the single Shift-JIS byte, not a broken two-byte pair.
    QCOMPARE(EucToShiftJis(QByteArray("\x8e\xb1\x8e\xb2x")), QByteArray("\xb1\xb2x"));
}

QTEST_GUILESS_MAIN(TstJapanese)
#include "tst_japanese.moc"
